#!/usr/bin/env bash
# Builds the benchmarks, generates the French-like texts and measures, in one run:
# the core benchmarks (Google Benchmark), `wc -w` and `quorvelle-cli vocabulary --json`
# on the same files (best of 5 wall-clock times), and the CLI's peak memory.
# Usage: bench/run.sh            (prints Markdown tables for bench/README.md)
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVELLE_WERROR=ON \
    -DQUORVELLE_BUILD_BENCH=ON -DQUORVELLE_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target core_bench quorvelle-cli quorvelle-generate-text >/dev/null

data=build-bench/data
mkdir -p "$data"
sizes=(64000 1000000 10000000 100000000)
for bytes in "${sizes[@]}"; do
    [ -s "$data/$bytes.txt" ] || build-bench/bench/quorvelle-generate-text "$bytes" "$data/$bytes.txt"
done

# Best wall-clock time of five runs of a command, in milliseconds.
best_ms() {
    local best=""
    for _ in 1 2 3 4 5; do
        local start end elapsed
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        elapsed=$(( (end - start) / 1000 ))
        if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
    done
    printf '%d.%03d' $((best / 1000)) $((best % 1000))
}

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), locale ${LC_ALL:-${LANG:-C}}"
echo
echo "| file | forms | distinct | \`wc -w\` (ms) | \`quorvelle-cli vocabulary --json\` (ms) | ratio | peak memory (MiB) |"
echo "|---|---|---|---|---|---|---|"
for bytes in "${sizes[@]}"; do
    file="$data/$bytes.txt"
    wc_ms=$(best_ms wc -w "$file")
    cli_ms=$(best_ms build-bench/cli/quorvelle-cli vocabulary --json "$file")
    peak_kb=$( { /usr/bin/time -f '%M' build-bench/cli/quorvelle-cli vocabulary --json "$file" >/dev/null; } 2>&1 )
    json=$(build-bench/cli/quorvelle-cli vocabulary --json "$file")
    totals=$(sed -E 's/^\{"tokenCount":([0-9]+),"distinctCount":([0-9]+).*/\1 | \2/' <<<"${json:0:100}")
    ratio=$(awk -v a="$cli_ms" -v b="$wc_ms" 'BEGIN { printf "%.2f", a / b }')
    echo "| $bytes | $totals | $wc_ms | $cli_ms | $ratio | $((peak_kb / 1024)) |"
done
echo
build-bench/bench/core_bench --benchmark_format=console 2>/dev/null
