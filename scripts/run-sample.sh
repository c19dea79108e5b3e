#!/usr/bin/env bash
# Installs what is missing, builds, and runs every statistic on the sample text.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh
build/cli/quorvelle-cli all samples/exemple.txt
