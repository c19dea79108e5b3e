# Sourced by the scripts that build and run the program under AddressSanitizer and
# UndefinedBehaviorSanitizer: one build folder, one set of options.
sanitized_build=build-sanitize

# Configures build-sanitize/ with the given extra CMake options.
configure_sanitized_build() {
    cmake -S . -B "$sanitized_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUORVELLE_WERROR=ON -DQUORVELLE_SANITIZE=ON -DQUORVELLE_BUILD_DESKTOP=ON "$@"
}

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside Qt itself are suppressed, each one explained in the file.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-qt.supp:print_suppressions=0"
