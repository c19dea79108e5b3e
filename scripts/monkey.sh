#!/usr/bin/env bash
# Builds the desktop program with AddressSanitizer and UndefinedBehaviorSanitizer and lets
# quorvelle-monkey use it for SECONDS: random but reproducible user actions on every window,
# on ordinary and degenerate texts (see monkey/README.md). The same SEED replays the same run.
# Usage: scripts/monkey.sh [SECONDS] [SEED]   (60 seconds and a seed from the clock by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitized-build.sh
seconds="${1:-60}"
seed="${2:-$(date +%s)}"

configure_sanitized_build -DQUORVELLE_BUILD_MONKEY=ON >/dev/null
cmake --build "$sanitized_build" --target quorvelle-monkey

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
# Offscreen, and with its own settings and runtime folders: nothing of the user's is touched.
# A blocked interface is stopped with SIGABRT: the sanitizer then prints where it was.
export ASAN_OPTIONS="$ASAN_OPTIONS:handle_abort=1"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
if ! "$sanitized_build/monkey/quorvelle-monkey" --seconds "$seconds" --seed "$seed" \
        --work "$work" --corpus tests/data/corpus; then
    echo "The monkey failed (seed $seed). Its last actions:"
    tail -n 25 "$work/actions.log" 2>/dev/null || true
    echo "Replay with: scripts/monkey.sh $seconds $seed"
    exit 1
fi
