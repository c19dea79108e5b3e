#!/usr/bin/env bash
# Installs the Debian packages Quorvelle needs, skipping those already present.
# Usage: scripts/install-deps.sh
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libicu-dev nlohmann-json3-dev
    # appstreamcli validates the installed AppStream description in the tests.
    appstream
    # The documents: zip containers, XML and HTML, PDF.
    libzip-dev libxml2-dev libpoppler-cpp-dev
    # The correspondence analysis of a corpus: Eigen's symmetric eigensolver.
    libeigen3-dev
    # Lemmas and categories: libhunspell and its French dictionary, which knows them.
    libhunspell-dev hunspell-fr-comprehensive
    # pdftotext reads back the printed pages in the window tests.
    poppler-utils
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    # The desktop program: Qt 6 Widgets and Svg, Qt's French translations, and the Charts and
    # OpenGL development files that Qt Charts needs to configure (only recommended by
    # qt6-base-dev). Xvfb and xauth run the program without a screen.
    qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-charts-dev qt6-translations-l10n
    xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installation des paquets manquants : ${missing[*]}"
sudo_command=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_command=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_command[@]}" apt-get update -q
"${sudo_command[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
