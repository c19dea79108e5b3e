#!/usr/bin/env bash
# Builds quorvelle.exe and quorvelle-cli.exe for 64-bit Windows against the libraries of
# scripts/windows-toolchain.sh, then packs them twice in build-windows-package/: a portable
# archive, Quorvelle-VERSION-windows-x64.zip, and a French installer made with NSIS,
# Quorvelle-VERSION-setup.exe.
# Usage: scripts/package-windows.sh [--cli-only] [PREFIX]   (default /var/cache/quorvelle/mingw64)
#        --cli-only packs quorvelle-cli.exe alone, as Quorvelle-cli-VERSION-...: it needs no Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/debian-packages.sh
source scripts/lib/windows-dlls.sh

# The whole program, or with --cli-only the command line alone, which needs no Qt.
desktop=ON product=Quorvelle last_library=qtcharts installer_options=(-DDESKTOP)
if [ "${1:-}" = --cli-only ]; then
    desktop=OFF product=Quorvelle-cli last_library=poppler installer_options=()
    shift
fi
prefix=${1:-${QUORVELLE_WINDOWS_PREFIX:-/var/cache/quorvelle/mingw64}}
build=build-windows-package
if ! compgen -G "$prefix/.built/$last_library-*" >/dev/null; then
    echo "Les bibliothèques pour Windows manquent dans $prefix : lancez d'abord scripts/windows-toolchain.sh." >&2
    exit 1
fi
install_missing_packages cmake ninja-build imagemagick nsis zip hunspell-fr-comprehensive \
    qt6-translations-l10n
started=$(date +%s)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVELLE_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw-w64-x86_64.cmake -DQUORVELLE_WINDOWS_PREFIX="$prefix" \
    -DQUORVELLE_BUILD_TESTS=OFF -DQUORVELLE_BUILD_DESKTOP=$desktop
cmake --build "$build"

version=$(grep -m1 '^CMAKE_PROJECT_VERSION:' "$build/CMakeCache.txt" | cut -d= -f2)
name=$product-$version-windows-x64
stage=$build/$name
rm -rf "$stage"
mkdir -p "$stage"/{hunspell,manuel,licences}

# The programs, the document readers' module, and Qt's plugins for the windows, the style,
# SVG pictures and icons, with Qt's own dialogs in French.
strip_copy() { x86_64-w64-mingw32-strip -o "$2" "$1"; }
strip_copy "$build/cli/quorvelle-cli.exe" "$stage/quorvelle-cli.exe"
strip_copy "$build/core/quorvelle-document-readers.dll" "$stage/quorvelle-document-readers.dll"
if [ $desktop = ON ]; then
    strip_copy "$build/app/quorvelle.exe" "$stage/quorvelle.exe"
    for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qsvg imageformats/qico \
        iconengines/qsvgicon; do
        mkdir -p "$stage/plugins/$(dirname "$plugin")"
        cp "$prefix/plugins/$plugin.dll" "$stage/plugins/$plugin.dll"
    done
    cp packaging/windows/qt.conf "$stage/"
    mkdir -p "$stage/translations"
    cp /usr/share/qt6/translations/qtbase_fr.qm "$stage/translations/"
fi

# Every DLL they need beyond Windows' own, found by walking their imports.
search="$prefix/bin:/usr/lib/gcc/x86_64-w64-mingw32/12-posix:/usr/x86_64-w64-mingw32/lib"
mapfile -t binaries < <(find "$stage" -name '*.exe' -o -name '*.dll')
mapfile -t dlls < <(needed_dlls "$search" "${binaries[@]}" | sort -u)
for dll in "${dlls[@]}"; do
    strip_copy "$dll" "$stage/$(basename "$dll")"
done

# The dictionary of the lemmas, the manual, the sample, the icon of the installer.
cp /usr/share/hunspell/fr.aff /usr/share/hunspell/fr.dic "$stage/hunspell/"
cp ui/shell/help/* "$stage/manuel/"
cp samples/exemple.txt "$stage/"
convert data/icons/quorvelle-256.png -define icon:auto-resize=256,64,48,32,16 "$stage/quorvelle.ico"
{
    [ $desktop = OFF ] && printf '%s\n%s\n\n' "Cette version ne contient que quorvelle-cli.exe, le programme en ligne de" \
        "commande : ce qui est dit plus bas de quorvelle.exe ne la concerne pas."
    cat packaging/windows/LISEZMOI.txt
} | sed 's/$/\r/' >"$stage/LISEZMOI.txt"

# The licences: the program's, and each library's as its Debian source package states it.
sed 's/$/\r/' /usr/share/common-licenses/GPL-3 >"$stage/licences/quorvelle.txt"
for tree in "$(dirname "$prefix")"/sources/*/; do
    [ -f "$tree/debian/copyright" ] || continue
    library=$(basename "$tree")
    [[ $library == googletest-* ]] && continue # the test suites' alone, not shipped
    sed 's/$/\r/' "$tree/debian/copyright" >"$stage/licences/${library%%-[0-9]*}.txt"
done
sed 's/$/\r/' /usr/share/doc/hunspell-fr-comprehensive/copyright >"$stage/licences/hunspell-fr.txt"

archive=$build/$name.zip
rm -f "$archive"
(cd "$build" && zip -q -r -9 "$name.zip" "$name")

# The installer removes, when uninstalled, exactly what it installed.
uninstall_list=$build/uninstall-files.nsh
(
    cd "$stage"
    find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|^|    Delete "$INSTDIR\\|; s|$|"|'
    find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|^|    RMDir "$INSTDIR\\|; s|$|"|'
) >"$uninstall_list"
installer=$build/$product-$version-setup.exe
makensis -V2 "${installer_options[@]}" -DVERSION="$version" -DSTAGE="$PWD/$stage" -DUNINSTALL_LIST="$PWD/$uninstall_list" \
    -DOUTFILE="$PWD/$installer" packaging/windows/installer.nsi

elapsed=$(($(date +%s) - started))
printf 'Version Windows faite en %d min %02d s :\n  %s (%s)\n  %s (%s)\n' $((elapsed / 60)) $((elapsed % 60)) \
    "$archive" "$(du -h "$archive" | cut -f1)" "$installer" "$(du -h "$installer" | cut -f1)"
