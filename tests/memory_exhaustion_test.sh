#!/usr/bin/env bash
# quorvelle-cli when memory runs out, under a limit of address space that lets it start and read
# a text of 10 MB: a statistic or a concordance that needs more says so in French, exits with 1
# and writes nothing; `all` that cannot start all the threads asked for runs on those it has,
# and what a helper thread lacks memory for is computed by another.
# Usage: tests/memory_exhaustion_test.sh QUORVELLE_CLI WORK_DIR SMALL_TEXT
set -uo pipefail
cli=$1
small=$3
work=$(mktemp -d "$2/memory-exhaustion.XXXXXX")
trap 'rm -rf "$work"' EXIT

# In KiB. The program with a text of 10 MB takes 55 MB; letters needs 420 MB for it, the
# concordance of "le" 310 MB with 1000 characters of context; each helper thread of `all` takes
# 8 MB of stack and the first ones 64 MB for their own heap.
limit=150000

# French short words, "le" the most frequent, among made-up longer ones, from a fixed seed.
awk 'BEGIN { srand(1); n = split("le le le la les de un une et est dans que qui sur pas il elle", small, " ")
    while (size < 10000000) {
        word = rand() < 0.5 ? small[int(rand() * n) + 1] : ""
        for (k = word == "" ? 3 + int(rand() * 7) : 0; k > 0; k--) word = word substr("bcdfglmnprstvaeiou", int(rand() * 18) + 1, 1)
        line = line word " "
        if (length(line) > 70) { print line "."; size += length(line) + 2; line = "" }
    } }' >"$work/text"
"$cli" counts "$work/text" >"$work/counts" && "$cli" all --jobs 1 "$small" >"$work/all" || exit 1
: >"$work/nothing"

failed=0
# expect STATUS STANDARD_ERROR STANDARD_OUTPUT_FILE ARGUMENT...: one run under the limit.
expect() {
    local status=$1 err=$2 out=$3
    shift 3
    (ulimit -v "$limit" && exec "$cli" "$@" >"$work/out" 2>"$work/err")
    local got=$?
    if [ "$got" != "$status" ] || [ "$(cat "$work/err")" != "$err" ] || ! cmp -s "$work/out" "$out"; then
        echo "quorvelle-cli $* under ulimit -v $limit: status $got, not $status; standard error:" >&2
        cat "$work/err" >&2
        failed=1
    fi
}
lacking=$'\nquorvelle-cli : mémoire insuffisante pour'
expect 0 "" "$work/counts" counts "$work/text"
expect 1 "$lacking calculer cette statistique sur ce texte." "$work/nothing" letters "$work/text"
expect 1 "$lacking établir cette concordance sur ce texte." "$work/nothing" concordance --width 1000 "$work/text" le
expect 0 "" "$work/all" all --jobs 256 "$small"
exit $failed
