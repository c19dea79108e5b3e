#!/usr/bin/env bash
# Fails when a file of core/ or ui/ includes a folder it may not: the layers run one way, as
# CONTRIBUTING.md's "Layout" says, and the table below is that rule. A file may always include
# its own folder.
# Usage: tests/include_layers_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# What each folder may include besides itself; "core" stands for every folder of the core.
declare -A may_include=(
    [core/text]=""
    [core/documents]="core/text"
    [core/document_readers]="core/documents core/text"
    [core/reports]="core/text"
    [core/lemmas]="core/reports core/text"
    [core/corpus]="core/documents core/reports core/text"
    [core/presentation]="core/corpus core/reports core/text"
    [core/explanations]="core/corpus core/lemmas core/presentation core/reports core/text"
    [core/catalogue]="core/explanations core/presentation"
    [core/statistics]="core/catalogue core/corpus core/explanations core/lemmas core/presentation core/reports core/text"
    [ui]="core"
    [ui/charts]="ui core"
    [ui/shell]="ui core"
    [ui/stats]="ui/charts ui/shell ui core"
    [ui/main]="ui/stats ui/charts ui/shell ui core"
)

# True when a file of folder may include a header of included.
allowed() {
    local folder=$1 included=$2 permitted
    [ "$included" = "$folder" ] && return 0
    for permitted in ${may_include[$folder]}; do
        [ "$included" = "$permitted" ] && return 0
        [ "$permitted" = core ] && [[ $included == core/* ]] && return 0
    done
    return 1
}

faults=0
while IFS=: read -r file line include; do
    folder=${file%/*}
    if [ -z "${may_include[$folder]+known}" ]; then
        echo "$file: the folder $folder is not in tests/include_layers_test.sh's table of layers"
        faults=$((faults + 1))
        continue
    fi
    header=${include#*\"}
    header=${header%%\"*}
    included=.
    [[ $header == */* ]] && included=${header%/*}
    if ! allowed "$folder" "$included"; then
        echo "$file:$line includes $header, against the layers: $folder may include" \
            "${may_include[$folder]:-none of the others}"
        faults=$((faults + 1))
    fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' core ui)

[ "$faults" -eq 0 ] || { echo "$faults include(s) against the layers" >&2; exit 1; }
