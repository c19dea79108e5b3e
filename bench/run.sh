#!/usr/bin/env bash
# Builds the benchmarks, generates the French-like texts and the real French ones (the corpus
# paragraphs shuffled) and measures, in one run:
# `wc -w`, a `tr | sort | uniq -c` word count and every `quorvelle-cli` statistic (--json),
# with the dispersion and the collocates of "de", on the same files (best of 3 wall-clock times), the CLI's peak memory, and the core
# reports in process (Google Benchmark).
# Usage: bench/run.sh            (prints Markdown tables for bench/README.md)
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVELLE_WERROR=ON \
    -DQUORVELLE_BUILD_BENCH=ON -DQUORVELLE_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target core_bench quorvelle-cli quorvelle-generate-text >/dev/null

data=build-bench/data
mkdir -p "$data"
# Each case is a file name in $data: French-like text (NAME.txt) or real French (real-NAME.txt),
# with the comparison's second text, the same size from another seed, in NAME-b.txt.
cases=(64000 1000000 10000000 100000000 real-10000000 real-100000000)
for name in "${cases[@]}"; do
    kind=() bytes=$name
    if [[ $name == real-* ]]; then kind=(--real) bytes=${name#real-}; fi
    [ -s "$data/$name.txt" ] || build-bench/bench/quorvelle-generate-text "${kind[@]}" "$bytes" "$data/$name.txt"
    [ -s "$data/$name-b.txt" ] || build-bench/bench/quorvelle-generate-text "${kind[@]}" "$bytes" "$data/$name-b.txt" 7
done

cli=build-bench/cli/quorvelle-cli
statistics=(counts vocabulary lengths letters edges doubles pairs frequencies zipf cooccurrences
            segments sentences enrichment richness compare specificities dispersion collocates all)

# Best wall-clock time of three runs of a command, in milliseconds.
best_ms() {
    local best=""
    for _ in 1 2 3; do
        local start end elapsed
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        elapsed=$(( (end - start) / 1000 ))
        if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
    done
    printf '%d.%03d' $((best / 1000)) $((best % 1000))
}

word_count_pipeline() {
    tr -cs 'A-Za-z' '\n' <"$1" | sort | uniq -c
}

arguments_of() { # statistic, size
    case $1 in
    compare | specificities) echo "$1 --json $data/$2.txt $data/$2-b.txt" ;;
    # The commands that study a form: on the most frequent of French, in either kind of text.
    dispersion | collocates) echo "$1 --json $data/$2.txt de" ;;
    *) echo "$1 --json $data/$2.txt" ;;
    esac
}

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), locale ${LC_ALL:-${LANG:-C}}"
echo
echo "Wall-clock milliseconds (best of 3), and the ratio to \`wc -w\` on the same file:"
echo
echo "| command | 64 KB | 1 MB | 10 MB | 100 MB | real 10 MB | real 100 MB |"
echo "|---|---|---|---|---|---|---|"
declare -A wc_ms
row="| \`wc -w\` |"
for name in "${cases[@]}"; do
    wc_ms[$name]=$(best_ms wc -w "$data/$name.txt")
    row+=" ${wc_ms[$name]} |"
done
echo "$row"
row="| \`tr \| sort \| uniq -c\` |"
for name in "${cases[@]}"; do
    ms=$(best_ms word_count_pipeline "$data/$name.txt")
    row+=" $ms ($(awk -v a="$ms" -v b="${wc_ms[$name]}" 'BEGIN { printf "%.1f", a / b }')×) |"
done
echo "$row"
for statistic in "${statistics[@]}"; do
    row="| \`$statistic\` |"
    for name in "${cases[@]}"; do
        # shellcheck disable=SC2046
        ms=$(best_ms $cli $(arguments_of "$statistic" "$name"))
        row+=" $ms ($(awk -v a="$ms" -v b="${wc_ms[$name]}" 'BEGIN { printf "%.1f", a / b }')×) |"
    done
    echo "$row"
done

echo
echo "Peak memory (MiB) at 100 MB (files of $(( $(stat -c %s "$data/100000000.txt") / 1048576 )) MiB):"
echo
echo "| statistic | French-like | real |"
echo "|---|---|---|"
for statistic in "${statistics[@]}"; do
    row="| \`$statistic\` |"
    for name in 100000000 real-100000000; do
        # shellcheck disable=SC2046
        peak_kb=$( { /usr/bin/time -f '%M' $cli $(arguments_of "$statistic" "$name") >/dev/null; } 2>&1 )
        row+=" $((peak_kb / 1024)) |"
    done
    echo "$row"
done

# A corpus: the 10 MB French-like text cut into fifty parts by marker lines.
corpus=$data/corpus-50.txt
[ -s "$corpus" ] || build-bench/bench/quorvelle-generate-text --parts 50 10000000 "$corpus"
echo
echo "A corpus of 50 parts (10 MB, marker lines): milliseconds (best of 3) and peak memory:"
echo
echo "| command | ms | ratio to \`wc -w\` | peak MiB |"
echo "|---|---|---|---|"
corpus_wc=$(best_ms wc -w "$corpus")
echo "| \`wc -w\` | $corpus_wc | 1 | |"
corpus_ms=$(best_ms $cli corpus --json "$corpus")
corpus_kb=$( { /usr/bin/time -f '%M' $cli corpus --json "$corpus" >/dev/null; } 2>&1 )
echo "| \`corpus --json\` | $corpus_ms | $(awk -v a="$corpus_ms" -v b="$corpus_wc" 'BEGIN { printf "%.1f", a / b }') | $((corpus_kb / 1024)) |"
echo
build-bench/bench/core_bench --benchmark_format=console 2>/dev/null
