#!/usr/bin/env bash
# Configures and builds Quorvelle in build/ (Release, warnings as errors).
# Usage: scripts/build.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVELLE_WERROR=ON
cmake --build build
