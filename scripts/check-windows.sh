#!/usr/bin/env bash
# Checks the Windows version under Wine:
#  1. the test suites of the core and of the command line, built for Windows and run by CTest
#     through Wine;
#  2. quorvelle-cli.exe against the Linux build's quorvelle-cli, every statistic in every format
#     on the sample and the corpus texts, byte for byte;
#  3. the installer, in a Wine of its own: a silent install for the current user, the installed
#     command line with the DLLs and the dictionary it brings alone, quorvelle.exe on the sample
#     with the vocabulary list and its word cloud in a screenshot, then a silent uninstall that
#     must leave neither file nor registry key behind.
# Every step is run, and a summary says how each went.
# Usage: scripts/check-windows.sh [SETUP.exe]   (without SETUP, scripts/package-windows.sh makes
#        it; the libraries are in QUORVELLE_WINDOWS_PREFIX, by default /var/cache/quorvelle/mingw64)
#        The installer of scripts/package-windows.sh --cli-only is checked as well, all but
#        quorvelle.exe, which it does not hold.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source scripts/lib/debian-packages.sh

prefix=${QUORVELLE_WINDOWS_PREFIX:-/var/cache/quorvelle/mingw64}
build=$PWD/build-windows
screenshot=$build/quorvelle-sous-wine.png
if [ ! -d "$prefix/.built" ]; then
    echo "Les bibliothèques pour Windows manquent dans $prefix : lancez d'abord scripts/windows-toolchain.sh." >&2
    exit 1
fi
install_missing_packages wine wine64 cmake ninja-build xvfb xdotool imagemagick || exit 1

user=$(id -un)
summary=()
failures=0
xvfb_pid=""
# record STATUS TEXT: notes how a step went.
record() {
    if [ "$1" -eq 0 ]; then
        summary+=("OK     $2")
    else
        summary+=("ÉCHEC  $2")
        failures=$((failures + 1))
    fi
}

# Wines of the check's own, quiet, that ask for neither Mono nor Gecko.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
new_wine() {
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
}

# Ends what the check started and says how each step went.
finish() {
    local status=$?
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    for wine in "$build/wine" "$build/wine-installed"; do
        [ -d "$wine" ] && WINEPREFIX=$wine wineserver -k 2>/dev/null
    done
    echo
    echo "=== Vérification de la version Windows sous Wine ==="
    printf '%s\n' "${summary[@]}"
    [ "$status" -eq 0 ] && [ "$failures" -ne 0 ] && status=1
    exit "$status"
}
trap finish EXIT
trap 'exit 130' INT TERM

# Now and then, one test in a few hundred fails under Wine in hundredths of a second without a
# word, before its program has printed anything; the tests that failed run once more, and only
# those that fail again fail the check. The summary names those that needed a second run.
first_pass_failures=$build/tests-failed-once.log
run_test_suites() {
    rm -f "$first_pass_failures"
    ctest --test-dir "$build" --output-on-failure --timeout 600 -j "$(nproc)" && return 0
    cp "$build/Testing/Temporary/LastTestsFailed.log" "$first_pass_failures"
    echo "Les tests échoués repassent une fois :"
    ctest --test-dir "$build" --output-on-failure --timeout 600 --rerun-failed
}
tests_run_twice() {
    [ -f "$first_pass_failures" ] || return 0
    printf ', repassés après un premier échec : %s' "$(cut -d: -f2- "$first_pass_failures" | sed 's/ .*//' | paste -sd, | sed 's/,/, /g')"
}

# 1. The test suites. The programs find their DLLs through Wine's path: the libraries' and the
# compilers' runtime; the French dictionary is the Linux build's, read in place.
new_wine "$build/wine"
WINEPATH="$(windows_path "$prefix/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(windows_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
export QUORVELLE_DICTIONARY_DIR=/usr/share/hunspell
# A Wine server kept running between the thousand programs of the comparison starts each in a
# third of a second instead of more than one. It is started once wineboot's own has ended, and
# Wine's services with it, writing nowhere: started by a test, they would hold that test's
# output open for as long as the server lives, and CTest would wait for its end forever.
wineserver -w
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVELLE_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw-w64-x86_64.cmake -DQUORVELLE_WINDOWS_PREFIX="$prefix" \
    -DQUORVELLE_BUILD_DESKTOP=OFF && cmake --build "$build"
built=$?
record $built "Construction de quorvelle-cli.exe et des tests pour Windows"
[ $built -eq 0 ] || exit 1
run_test_suites
record $? "Tests du cœur et de la ligne de commande sous Wine (CTest)$(tests_run_twice)"

# 2. The Linux build's command line is the reference.
[ -x build/cli/quorvelle-cli ] || scripts/build.sh || exit 1
under_wine=$build/quorvelle-cli-under-wine
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$build/cli/quorvelle-cli.exe" >"$under_wine"
chmod +x "$under_wine"
scripts/compare-cli-outputs.sh build/cli/quorvelle-cli "$under_wine"
record $? "Sorties de quorvelle-cli.exe identiques à celles de Linux, octet pour octet"
wineserver -k
unset WINEPATH QUORVELLE_DICTIONARY_DIR

# 3. The installer.
check_installer() {
    local setup=$1 folder program_key
    rm -rf "$build/wine-installed"
    new_wine "$build/wine-installed"
    folder=$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Quorvelle
    program_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvelle'
    wine "$setup" /S /CurrentUser && wineserver -w
    [ -f "$folder/quorvelle-cli.exe" ] && wine reg query "$program_key" >/dev/null 2>&1
    record $? "Installation silencieuse pour l'utilisateur dans $folder"

    # Without Wine's path, the installed programs have only the DLLs installed beside them.
    cmp -s <(wine "$folder/quorvelle-cli.exe" all --json samples/exemple.txt) \
           <(build/cli/quorvelle-cli all --json samples/exemple.txt)
    record $? "quorvelle-cli.exe installé : « all » sur l'exemple identique à Linux"
    # grep reads the whole listing: one that stopped early would fail the command's writing.
    wine "$folder/quorvelle-cli.exe" lemmas samples/exemple.txt | grep "Lemmes et catégories" >/dev/null
    record $? "quorvelle-cli.exe installé : les lemmes lus dans le dictionnaire installé"

    show_desktop_program "$folder"
    record $? "quorvelle.exe installé : liste du vocabulaire et nuage de mots, capture $screenshot"

    wine "$folder/desinstaller.exe" /S /CurrentUser && wineserver -w
    [ ! -e "$folder" ] && ! wine reg query "$program_key" >/dev/null 2>&1
    record $? "Désinstallation silencieuse : ni fichier ni clé de registre restants"
}

# Starts quorvelle.exe on the sample under Xvfb, opens the vocabulary list from the menu
# « Statistiques » and its word cloud from « Graphique », and takes a screenshot.
show_desktop_program() {
    local folder=$1 display_file display window
    if [ ! -f "$folder/quorvelle.exe" ]; then
        echo "quorvelle.exe n'est pas installé." >&2
        return 1
    fi
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    display=":$(head -n 1 "$display_file")"
    rm -f "$display_file"
    [ "$display" != ":" ] || { echo "Xvfb n'a pas démarré." >&2; return 1; }
    export DISPLAY=$display
    cp samples/exemple.txt "$WINEPREFIX/drive_c/users/$user/exemple.txt"
    wine "$folder/quorvelle.exe" 'C:\users\'"$user"'\exemple.txt' >"$build/quorvelle.log" 2>&1 &
    # The welcome window stays three seconds, then the main window opens the sample.
    window=$(wait_for_window '^Parvane Dorlesca - Quorvelle$') &&
        xdotool windowfocus --sync "$window" key alt+s sleep 0.5 key l &&
        window=$(wait_for_window 'Liste du vocabulaire$') &&
        xdotool windowfocus --sync "$window" key alt+g sleep 0.5 key Return &&
        wait_for_window 'Nuage de mots' >/dev/null &&
        sleep 2 && import -window root "$screenshot"
    local status=$?
    wineserver -k
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
    [ $status -eq 0 ] || { echo "quorvelle.exe n'a pas ouvert ses fenêtres (voir $build/quorvelle.log)." >&2; return 1; }
    # An empty screen has one or two colours; windows drawn by Qt have many more.
    [ "$(identify -format '%k' "$screenshot")" -gt 16 ]
}

# wait_for_window TITLE_PATTERN: prints the window whose title matches, once shown (60 s at most).
wait_for_window() {
    local window
    for _ in $(seq 120); do
        window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [ -n "$window" ] && { echo "$window"; return 0; }
        sleep 0.5
    done
    echo "Aucune fenêtre « $1 » après une minute." >&2
    return 1
}

setup=${1:-}
if [ -z "$setup" ] && scripts/package-windows.sh; then
    setup=$(ls -t build-windows-package/Quorvelle-*-setup.exe | head -n 1)
fi
if [ -f "$setup" ]; then
    check_installer "$(realpath "$setup")"
else
    record 1 "Installateur : aucun à vérifier (scripts/package-windows.sh n'a pas pu le faire)"
fi
