#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs them, seeded by the small corpus
# kept in fuzz/corpus (inputs that reach the statistics' branches, merged and cut to 512 bytes),
# so that a short run does not start cold.
# Usage: scripts/fuzz.sh [SECONDS]   (60 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVELLE_BUILD_TESTS=OFF -DQUORVELLE_BUILD_FUZZ=ON -DQUORVELLE_SANITIZE=ON -DQUORVELLE_BUILD_DESKTOP=OFF \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
cmake --build build-fuzz --target fuzz_statistics fuzz_output

# Runs one target for the given seconds, from its own corpus and the seeds.
fuzz() {
    local corpus=build-fuzz/corpus-$1
    mkdir -p "$corpus"
    build-fuzz/fuzz/$1 -max_total_time="$2" -max_len=8192 -rss_limit_mb=4096 -print_final_stats=1 \
        "$corpus" fuzz/corpus samples tests/data/corpus
}

# Two thirds of the time for the statistics, a third for the writers.
fuzz fuzz_statistics $((seconds * 2 / 3))
fuzz fuzz_output $((seconds - seconds * 2 / 3))
