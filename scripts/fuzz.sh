#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs them, seeded by the small corpus
# kept in fuzz/corpus (inputs that reach the statistics' branches, merged and cut to 512 bytes)
# and, for the document extractors, by the test documents and the XML parts of the good ones
# (fuzz/documents: an input that is not an archive is put in its format's container), so that a
# short run does not start cold.
# Usage: scripts/fuzz.sh [SECONDS]   (60 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVELLE_BUILD_TESTS=OFF -DQUORVELLE_BUILD_FUZZ=ON -DQUORVELLE_SANITIZE=ON -DQUORVELLE_BUILD_DESKTOP=OFF \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
document_formats=(odt docx epub html pdf)
cmake --build build-fuzz --target fuzz_statistics fuzz_output fuzz_corpus "${document_formats[@]/#/fuzz_}"

# Runs one target for the given seconds, from its own corpus and the given seeds.
fuzz() {
    local target=$1 time=$2
    shift 2
    local corpus=build-fuzz/corpus-$target
    mkdir -p "$corpus"
    build-fuzz/fuzz/$target -max_total_time="$time" -max_len=8192 -rss_limit_mb=4096 -print_final_stats=1 \
        "$corpus" "$@"
}

# A third of the time for the statistics, a sixth for the writers, a sixth for the corpus of
# parts, the rest shared by the document extractors.
fuzz fuzz_statistics $((seconds / 3)) fuzz/corpus samples tests/data/corpus
fuzz fuzz_output $((seconds / 6)) fuzz/corpus samples tests/data/corpus
fuzz fuzz_corpus $((seconds / 6)) fuzz/corpus tests/data/corpus
for format in "${document_formats[@]}"; do
    fuzz "fuzz_$format" $(((seconds - seconds / 3 - 2 * (seconds / 6)) / ${#document_formats[@]})) \
        tests/data/documents fuzz/documents
done
