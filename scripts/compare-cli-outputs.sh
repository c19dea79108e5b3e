#!/usr/bin/env bash
# Compares what two builds of quorvelle-cli write, statistic by statistic, in text (with and
# without --explain), JSON and CSV, on the sample and the corpus texts: a change that should
# not alter any output (a refactoring) must leave every byte as it was.
# Usage: scripts/compare-cli-outputs.sh REFERENCE_CLI [CANDIDATE_CLI]   (build/cli/quorvelle-cli by default)
set -euo pipefail
cd "$(dirname "$0")/.."
reference="$1"
candidate="${2:-build/cli/quorvelle-cli}"

texts=(samples/exemple.txt tests/data/corpus/*.txt)
second=samples/exemple.txt
commands=()
for statistic in counts vocabulary lengths letters edges doubles pairs frequencies zipf cooccurrences segments \
    sentences enrichment richness; do
    commands+=("$statistic TEXT")
done
commands+=("compare TEXT $second" "specificities TEXT $second" "all TEXT" "all TEXT $second"
    "segments TEXT --maximal --max-length 0" "concordance TEXT de" "dispersion TEXT de --parts 7"
    "collocates TEXT de" "vocabulary TEXT --extended-letters")

differences=0
for text in "${texts[@]}"; do
    for command in "${commands[@]}"; do
        for format in "" --json --csv --explain; do
            words=${command//TEXT/$text}
            [[ $format == --explain && ($words == concordance* || $words == *--extended-letters*) ]] && continue
            # shellcheck disable=SC2086
            if ! cmp -s <("$reference" $words $format 2>&1; echo "exit $?") \
                        <("$candidate" $words $format 2>&1; echo "exit $?"); then
                echo "differs: $words $format"
                differences=$((differences + 1))
            fi
        done
    done
done
echo "$differences difference(s) over ${#texts[@]} texts"
[ "$differences" -eq 0 ]
