#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/
# and runs the whole test suite: the core, the CLI and the windows (offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitized-build.sh

configure_sanitized_build
cmake --build "$sanitized_build"
ctest --test-dir "$sanitized_build" --output-on-failure --timeout 600
