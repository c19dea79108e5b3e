#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there: the programs, the
# document readers' module, which the installed CLI loads to read a document, the manual pages
# and, with the desktop program, its menu entry, icons and AppStream description.
# Usage: tests/install_test.sh BUILD_DIR DOCUMENTS_DIR
set -euo pipefail
build=$1
documents=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

app=org.quorvelle.Quorvelle
desktop=false
[ -e "$build/app/quorvelle" ] && desktop=true
expected=(bin/quorvelle-cli share/man/man1/quorvelle-cli.1)
if $desktop; then
    expected+=(bin/quorvelle share/man/man1/quorvelle.1 "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml"
               "share/icons/hicolor/scalable/apps/$app.svg" "share/icons/hicolor/48x48/apps/$app.png"
               "share/icons/hicolor/256x256/apps/$app.png")
fi
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || { echo "missing after install: $file" >&2; exit 1; }
done

"$prefix/bin/quorvelle-cli" --version | grep -q '^quorvelle-cli '
# The module goes in the quorvelle/ folder of the libraries' folder, which depends on the layout
# (lib/ or lib/x86_64-linux-gnu/), not executable.
module=$(find "$prefix" -path "$prefix/lib*/quorvelle/quorvelle-document-readers.so" -type f ! -perm /111)
[ -n "$module" ] || { echo "missing after install: the document readers' module in lib*/quorvelle/" >&2; exit 1; }
"$prefix/bin/quorvelle-cli" vocabulary --json "$documents/texte.odt" >"$prefix/document.json"
"$prefix/bin/quorvelle-cli" vocabulary --json "$documents/texte.txt" | cmp -s - "$prefix/document.json" ||
    { echo "the installed quorvelle-cli does not read a document as its text" >&2; exit 1; }
if $desktop; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >/dev/null
    grep -q '^Exec=quorvelle %f$' "$prefix/share/applications/$app.desktop"
    # Plain text and the documents the program reads.
    for type in text/plain application/vnd.oasis.opendocument.text \
        application/vnd.openxmlformats-officedocument.wordprocessingml.document application/epub+zip text/html \
        application/pdf; do
        grep -q "^MimeType=.*$type;" "$prefix/share/applications/$app.desktop"
    done
fi
