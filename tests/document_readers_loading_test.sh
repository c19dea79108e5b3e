#!/usr/bin/env bash
# The programs do not link the libraries that read documents (poppler, libxml2, libzip): only
# the document readers' module does, and quorvelle-cli loads it, and them, for a document alone.
# Usage: tests/document_readers_loading_test.sh MODULE DOCUMENTS_DIR QUORVELLE_CLI [PROGRAM...]
set -euo pipefail
module=$1
documents=$2
cli=$3
shift 2

readers='libpoppler|libxml2|libzip'

needed() {
    readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'
}

# The pattern names what the module really needs, so that its absence below means something.
for library in libpoppler libxml2 libzip; do
    needed "$module" | grep -q "^$library" || { echo "$module does not need $library" >&2; exit 1; }
done
for program in "$@"; do
    libraries=$(needed "$program")
    if grep -E "^($readers)" <<<"$libraries"; then
        echo "$program links the document readers' libraries above" >&2
        exit 1
    fi
done

# The libraries the dynamic loader initialises while the CLI counts the file's characters.
loaded() {
    LD_DEBUG=libs "$cli" counts "$1" 2>&1 >/dev/null | sed -n 's/.*calling init: //p'
}

plain=$(loaded "$documents/texte.txt")
if grep -E "$readers|quorvelle-document-readers" <<<"$plain"; then
    echo "a plain text loads the document readers above" >&2
    exit 1
fi
document=$(loaded "$documents/texte.odt")
for library in quorvelle-document-readers libpoppler libxml2 libzip; do
    grep -q "/$library" <<<"$document" || { echo "a document does not load $library" >&2; exit 1; }
done
