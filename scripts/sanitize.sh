#!/usr/bin/env bash
# Builds the core and CLI tests with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVELLE_WERROR=ON -DQUORVELLE_SANITIZE=ON -DQUORVELLE_BUILD_DESKTOP=OFF
cmake --build build-sanitize --target core_tests cli_tests quorvelle-cli
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure --timeout 600
