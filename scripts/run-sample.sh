#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program on the sample text.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Aucun écran graphique (ni DISPLAY ni WAYLAND_DISPLAY) : Quorvelle ne peut pas s'afficher." >&2
    echo "Sans écran, les statistiques s'obtiennent avec : build/cli/quorvelle-cli all samples/exemple.txt" >&2
    exit 1
fi
exec build/app/quorvelle samples/exemple.txt
