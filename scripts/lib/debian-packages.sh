# Sourced by the packaging scripts: installs the Debian packages they need, skipping those
# already present, as scripts/install-deps.sh does for the build.

# install_missing_packages PACKAGE...
install_missing_packages() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installation des paquets manquants : ${missing[*]}"
    local sudo_command=()
    [ "$(id -u)" -ne 0 ] && sudo_command=(sudo)
    "${sudo_command[@]}" apt-get update -q
    "${sudo_command[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}
