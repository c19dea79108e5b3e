#!/usr/bin/env bash
# Installs the Debian packages Quorvelle needs, skipping those already present.
# Usage: scripts/install-deps.sh
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libicu-dev nlohmann-json3-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
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
