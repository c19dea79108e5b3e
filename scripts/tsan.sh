#!/usr/bin/env bash
# Builds the core and the CLI with ThreadSanitizer in build-tsan/ and runs the tests labelled
# "threads", those whose code runs on several threads: `quorvelle-cli all --jobs`, and the shared
# analysed text that the desktop's worker threads read at once. (The desktop's own threads go
# through Qt's thread pool, which Debian's Qt is not built to show to ThreadSanitizer.)
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVELLE_WERROR=ON -DQUORVELLE_SANITIZE_THREAD=ON -DQUORVELLE_BUILD_DESKTOP=OFF
cmake --build build-tsan --target core_text_tests cli_tests quorvelle-cli
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
ctest --test-dir build-tsan --output-on-failure --timeout 600 -L threads
