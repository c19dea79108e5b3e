#!/usr/bin/env bash
# Checks the Debian package: installs it with apt in a clean Debian 12 root, runs quorvelle-cli
# there and starts quorvelle under Xvfb with a screenshot, then runs lintian on it.
# Usage: scripts/check-package.sh [PACKAGE.deb]   (without PACKAGE, scripts/package.sh builds it)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/debian-packages.sh
source scripts/lib/bookworm-root.sh

if [ "$(id -u)" -ne 0 ]; then
    echo "scripts/check-package.sh monte des systèmes de fichiers et travaille dans un chroot :" \
        "il faut le lancer en root." >&2
    exit 1
fi

work=$PWD/build-package
cache=$work/bookworm-base
root=$work/bookworm-root
archives=$work/apt-archives
screenshot=$work/quorvelle-in-bookworm.png
sample=exemple.txt

summary=()
step="Paquet à vérifier"
xvfb_pid=""
app_pid=""

passed() {
    summary+=("OK     $1")
}

# Ends the processes the check started, unmounts the roots and says how each step went.
finish() {
    local status=$?
    set +e
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    unmount_root "$root"
    unmount_root "$cache"
    [ "$status" -ne 0 ] && summary+=("ÉCHEC  $step")
    echo
    echo "=== Vérification du paquet Debian ==="
    printf '%s\n' "${summary[@]}"
    if [ "$status" -eq 0 ]; then
        echo "Le paquet s'installe et fonctionne dans Debian 12 ; lintian n'y voit aucune erreur."
    else
        echo "La vérification a échoué à l'étape : $step"
    fi
    exit "$status"
}
trap finish EXIT
trap 'exit 130' INT TERM

mkdir -p "$work"
if [ $# -ge 1 ]; then
    package=$(realpath "$1")
else
    scripts/package.sh
    package=$(ls -t "$work"/quorvelle_*.deb | head -n 1)
fi
[ -f "$package" ] || { echo "Aucun paquet à vérifier : $package" >&2; exit 1; }
depends=$(dpkg-deb -f "$package" Depends)
passed "Paquet : $package"
passed "Dépendances : $depends"

step="Installation des outils de vérification"
install_missing_packages debootstrap lintian desktop-file-utils

step="Racine Debian 12 (debootstrap)"
make_bookworm_cache "$cache" "$archives"
fresh_root_from "$cache" "$root"
mount_root "$root" "$archives"
passed "Racine Debian 12 propre : $root"

# Depends alone must be enough for both programs to run: recommended packages are left out.
step="Installation du paquet par apt-get dans la racine"
cp "$package" "$root/tmp/"
chmod 644 "$root/tmp/$(basename "$package")"
in_root "$root" apt-get update -q
in_root "$root" apt-get install -y -q --no-install-recommends "/tmp/$(basename "$package")"
passed "apt-get install /tmp/$(basename "$package") : installé avec ses dépendances (sans les recommandés)"

step="quorvelle-cli --version"
version_line=$(in_root "$root" quorvelle-cli --version)
echo "$version_line"
passed "quorvelle-cli --version : $version_line"

step="quorvelle-cli all $sample"
cp "samples/$sample" "$root/tmp/$sample"
in_root "$root" quorvelle-cli all "/tmp/$sample" >"$work/quorvelle-cli-all.txt"
head -n 15 "$work/quorvelle-cli-all.txt"
passed "quorvelle-cli all /tmp/$sample : $(wc -l <"$work/quorvelle-cli-all.txt") lignes dans $work/quorvelle-cli-all.txt"

step="quorvelle-cli lemmas $sample"
in_root "$root" quorvelle-cli lemmas "/tmp/$sample" >"$work/quorvelle-cli-lemmas.txt"
grep -q "Lemmes et catégories" "$work/quorvelle-cli-lemmas.txt"
passed "quorvelle-cli lemmas /tmp/$sample : le dictionnaire français est installé et lu"

# The programs load the document readers' module, installed apart from them, for a document.
step="quorvelle-cli vocabulary texte.odt"
cp tests/data/documents/texte.odt tests/data/documents/texte.txt "$root/tmp/"
in_root "$root" quorvelle-cli vocabulary --json /tmp/texte.odt >"$work/quorvelle-cli-document.json"
in_root "$root" quorvelle-cli vocabulary --json /tmp/texte.txt | cmp -s - "$work/quorvelle-cli-document.json"
passed "quorvelle-cli vocabulary /tmp/texte.odt : le module de lecture des documents est installé et chargé"

# Xvfb picks a free display and writes its number on descriptor 3.
step="quorvelle sous Xvfb"
rm -f "$root/tmp/display" "$root/tmp/quorvelle.png" "$screenshot"
start_in_root "$root" Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp \
    3>"$root/tmp/display" 2>"$work/xvfb.log"
xvfb_pid=$started_pid
for _ in $(seq 100); do
    [ -s "$root/tmp/display" ] && break
    sleep 0.1
done
display=":$(head -n 1 "$root/tmp/display")"
[ "$display" != ":" ] || { echo "Xvfb n'a pas démarré (voir $work/xvfb.log)." >&2; exit 1; }

# The welcome window stays three seconds, then the main window opens the sample.
mkdir -p -m 700 "$root/tmp/runtime-root"
start_in_root "$root" DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=/tmp/runtime-root \
    quorvelle "/tmp/$sample" >"$work/quorvelle.log" 2>&1
app_pid=$started_pid
sleep 8
if ! kill -0 "$app_pid" 2>/dev/null; then
    echo "quorvelle s'est arrêté (voir $work/quorvelle.log) :" >&2
    cat "$work/quorvelle.log" >&2
    exit 1
fi
in_root "$root" env DISPLAY="$display" import -window root /tmp/quorvelle.png
cp "$root/tmp/quorvelle.png" "$screenshot"
# An empty Xvfb screen has one or two colours; windows drawn by Qt have many more.
colours=$(in_root "$root" identify -format '%k' /tmp/quorvelle.png)
if [ "$colours" -le 16 ]; then
    echo "L'écran de Xvfb est vide ($colours couleurs) : aucune fenêtre de quorvelle." >&2
    exit 1
fi
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
passed "quorvelle /tmp/$sample sous Xvfb : fenêtres affichées, capture $screenshot"

step="desktop-file-validate"
contents=$work/package-contents
rm -rf "$contents"
dpkg-deb -x "$package" "$contents"
desktop-file-validate "$contents/usr/share/applications/org.quorvelle.Quorvelle.desktop"
passed "desktop-file-validate : entrée de menu valide"

step="lintian"
echo "--- lintian $(basename "$package")"
lintian_status=0
# lintian advises against running as root: it reads, as nobody, the copy made for the root.
lintian_output=$(runuser -u nobody -- lintian --display-info "$root/tmp/$(basename "$package")" 2>&1) ||
    lintian_status=$?
[ -n "$lintian_output" ] && echo "$lintian_output"
errors=$(grep -c '^E:' <<<"$lintian_output" || true)
warnings=$(grep -c '^W:' <<<"$lintian_output" || true)
notes=$(grep -c '^I:' <<<"$lintian_output" || true)
if [ "$errors" -ne 0 ] || [ "$lintian_status" -ne 0 ]; then
    step="lintian : $errors erreurs (code de sortie $lintian_status)"
    exit 1
fi
passed "lintian : 0 erreur, $warnings avertissements, $notes informations"
