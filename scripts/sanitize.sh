#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/
# and runs the whole test suite: the core, the CLI and the windows (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVELLE_WERROR=ON -DQUORVELLE_SANITIZE=ON -DQUORVELLE_BUILD_DESKTOP=ON
cmake --build build-sanitize
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside Qt itself are suppressed, each one explained in the file.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-qt.supp:print_suppressions=0"
ctest --test-dir build-sanitize --output-on-failure --timeout 600
