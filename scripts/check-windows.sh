#!/usr/bin/env bash
# Checks the Windows version under Wine: the test suites of the core and of the command line
# built for Windows and run by CTest through Wine, then quorvelle-cli.exe against the Linux
# build's quorvelle-cli, every statistic in every format on the sample and the corpus texts,
# byte for byte.
# Usage: scripts/check-windows.sh [PREFIX]   (the libraries of scripts/windows-toolchain.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/debian-packages.sh

prefix=${1:-${QUORVELLE_WINDOWS_PREFIX:-/var/cache/quorvelle/mingw64}}
build=build-windows
if [ ! -d "$prefix/.built" ]; then
    echo "Les bibliothèques pour Windows manquent dans $prefix : lancez d'abord scripts/windows-toolchain.sh." >&2
    exit 1
fi
install_missing_packages wine wine64 cmake ninja-build

# A Wine of the build's own, quiet, that asks for neither Mono nor Gecko. The programs find
# their DLLs through Wine's path: the libraries' and the compilers' runtime.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
export WINEPREFIX=$PWD/$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$(windows_path "$prefix/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(windows_path /usr/x86_64-w64-mingw32/lib)"
# The French dictionary of the Linux build, read in place.
export QUORVELLE_DICTIONARY_DIR=/usr/share/hunspell
mkdir -p "$WINEPREFIX"
wineboot --init >/dev/null 2>&1

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVELLE_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw-w64-x86_64.cmake -DQUORVELLE_WINDOWS_PREFIX="$prefix" \
    -DQUORVELLE_BUILD_DESKTOP=OFF
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"

# The Linux build's command line, the reference.
[ -x build/cli/quorvelle-cli ] || scripts/build.sh
under_wine=$build/quorvelle-cli-under-wine
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$PWD/$build/cli/quorvelle-cli.exe" >"$under_wine"
chmod +x "$under_wine"
scripts/compare-cli-outputs.sh build/cli/quorvelle-cli "$under_wine"
echo "Version Windows vérifiée sous Wine : tests et sorties identiques à celles de Linux."
