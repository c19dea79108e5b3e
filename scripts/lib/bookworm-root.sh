# Sourced by scripts/check-package.sh: a clean Debian 12 (bookworm) root to install the package
# in. debootstrap builds it once into a cache folder, with the programs the check runs beside
# the package (Xvfb and ImageMagick's import); each check then works on a fresh copy of it.

readonly root_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
readonly root_mounts=(proc sys dev var/cache/apt/archives)

# The Debian mirror the host's apt uses, so that the root gets the same packages.
host_debian_mirror() {
    local mirror=""
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources)
    elif [ -f /etc/apt/sources.list ]; then
        mirror=$(awk '$1 == "deb" { print ($2 ~ /^\[/ ? $3 : $2); exit }' /etc/apt/sources.list)
    fi
    echo "${mirror:-http://deb.debian.org/debian}"
}

# in_root ROOT COMMAND...: runs COMMAND in ROOT with a small, known environment.
in_root() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i PATH="$root_path" HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

# mount_root ROOT ARCHIVES: the kernel's file systems, and the host folder ARCHIVES as apt's
# download cache so that a second check does not download the same packages again. The
# bind mounts are made slaves so that unmounting them never reaches the host's own mounts.
mount_root() {
    local root=$1 archives=$2
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --make-rslave "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --make-rslave "$root/dev"
    mkdir -p "$archives"
    mount --bind "$archives" "$root/var/cache/apt/archives"
}

# unmount_root ROOT: undoes mount_root, however far it went.
unmount_root() {
    local root=$1 index
    for ((index = ${#root_mounts[@]} - 1; index >= 0; index--)); do
        local target="$root/${root_mounts[index]}"
        if mountpoint -q "$target"; then
            umount -R "$target" 2>/dev/null || umount -R -l "$target"
        fi
    done
}

# remove_root ROOT: deletes ROOT, refusing while anything is still mounted inside it.
remove_root() {
    local root
    root=$(realpath -m "$1")
    if awk -v root="$root/" 'index($5 "/", root) == 1 { found = 1 } END { exit !found }' \
        /proc/self/mountinfo; then
        echo "Des systèmes de fichiers sont encore montés dans $root : il n'est pas supprimé." >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}

# Apt sources, name resolution and no service starts in ROOT.
configure_root() {
    local root=$1
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        rm -f "$root/etc/apt/sources.list"
        cp /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/"
    else
        cp /etc/apt/sources.list "$root/etc/apt/sources.list"
    fi
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
}

# make_bookworm_cache CACHE ARCHIVES: builds the cached root once; a finished one is reused.
make_bookworm_cache() {
    local cache=$1 archives=$2
    if [ -f "$cache/.quorvelle-ready" ]; then
        echo "Racine Debian 12 reprise du cache : $cache"
        return 0
    fi
    local mirror
    mirror=$(host_debian_mirror)
    echo "Construction de la racine Debian 12 par debootstrap ($mirror) dans $cache"
    remove_root "$cache"
    debootstrap --variant=minbase bookworm "$cache" "$mirror"
    configure_root "$cache"
    # On failure the caller's exit handler unmounts the cache root.
    mount_root "$cache" "$archives"
    in_root "$cache" apt-get update -q
    in_root "$cache" apt-get install -y -q --no-install-recommends xvfb imagemagick
    unmount_root "$cache"
    touch "$cache/.quorvelle-ready"
}

# fresh_root_from CACHE ROOT: ROOT becomes a copy of the cached root.
fresh_root_from() {
    local cache=$1 root=$2
    remove_root "$root"
    cp -a --reflink=auto "$cache" "$root"
    rm -f "$root/.quorvelle-ready"
    configure_root "$root"
}

# start_in_root ROOT COMMAND...: starts COMMAND in ROOT in the background, like in_root, and
# leaves its process id in started_pid (chroot and env replace themselves with COMMAND).
start_in_root() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i PATH="$root_path" HOME=/root LANG=C.UTF-8 "$@" &
    started_pid=$!
}
