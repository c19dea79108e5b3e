#!/usr/bin/env bash
# Cross-builds, once, the libraries of the Windows version of Quorvelle for x86_64-w64-mingw32,
# from the Debian 12 source packages of the very versions the Linux build uses, into a prefix
# kept between runs. A library whose stamp is in the prefix is not built again: with every
# stamp there, the script does nothing.
# Usage: scripts/windows-toolchain.sh [PREFIX]   (default /var/cache/quorvelle/mingw64)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/debian-packages.sh

project=$PWD
prefix=${1:-${QUORVELLE_WINDOWS_PREFIX:-/var/cache/quorvelle/mingw64}}
work=$(dirname "$prefix")/sources
toolchain=$project/packaging/windows/mingw-w64-x86_64.cmake
triplet=x86_64-w64-mingw32
jobs=$(nproc)

started=$(date +%s)
built=()

# The sources of a package: the "deb-src" twin of the machine's own Debian sources.
sources_list=/etc/apt/sources.list.d/quorvelle-deb-src.sources
ensure_source_packages() {
    [ -f "$sources_list" ] && return 0
    local sudo_command=()
    [ "$(id -u)" -ne 0 ] && sudo_command=(sudo)
    sed -n '/^Types:/,/^$/{s/^Types: deb$/Types: deb-src/;p}' /etc/apt/sources.list.d/debian.sources \
        | "${sudo_command[@]}" tee "$sources_list" >/dev/null
    "${sudo_command[@]}" apt-get update -q
}

# The Debian version of the source package that built BINARY, as installed for the Linux build.
source_version() {
    dpkg-query -W -f='${source:Version}' "$1"
}

# source_tree SOURCE BINARY: unpacks, once, the source package SOURCE at the version of the
# installed BINARY, Debian's patches applied, and prints its folder.
source_tree() {
    local source=$1 version
    version=$(source_version "$2")
    local tree="$work/$source-${version#*:}" # no epoch: a colon in a path puts windres off
    if [ ! -d "$tree" ]; then
        mkdir -p "$work/download"
        if ! (cd "$work/download" && apt-get source -q "$source=$version" >&2); then
            echo "Les sources Debian de $source $version n'ont pas pu être téléchargées : vérifiez l'accès au miroir Debian, puis relancez (ce qui est déjà construit est gardé)." >&2
            rm -rf "$work/download"
            exit 1
        fi
        mv "$(find "$work/download" -mindepth 1 -maxdepth 1 -type d | head -n1)" "$tree"
        rm -rf "$work/download"
    fi
    echo "$tree"
}

# needs_build NAME BINARY: true unless NAME was built at BINARY's version.
needs_build() {
    [ ! -f "$prefix/.built/$1-$(source_version "$2")" ]
}

mark_built() {
    mkdir -p "$prefix/.built"
    touch "$prefix/.built/$1-$(source_version "$2")"
    built+=("$1")
}

# cmake_library NAME SOURCE_DIR [CMAKE OPTION]...: configures, builds and installs a CMake project.
cmake_library() {
    local name=$1 source_dir=$2
    shift 2
    cmake -S "$source_dir" -B "$work/build-$name" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQUORVELLE_WINDOWS_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON "$@"
    cmake --build "$work/build-$name" -j "$jobs"
    cmake --install "$work/build-$name"
    rm -rf "$work/build-$name"
}

# cmake_package NAME SOURCE BINARY [CMAKE OPTION]...: builds, unless already built, the CMake
# project of the source package SOURCE at the version of BINARY.
cmake_package() {
    local name=$1 source=$2 binary=$3 tree
    shift 3
    needs_build "$name" "$binary" || return 0
    tree=$(source_tree "$source" "$binary")
    cmake_library "$name" "$tree" "$@"
    mark_built "$name" "$binary"
}

build_zlib() {
    needs_build zlib zlib1g-dev || return 0
    local tree
    tree=$(source_tree zlib zlib1g-dev)
    # Debian's sources leave out win32/, whose resource file, the DLL's version, the build
    # names: a version resource of its own stands in for it.
    if [ ! -f "$tree/win32/zlib1.rc" ]; then
        local version
        version=$(source_version zlib1g-dev | sed 's/^[0-9]*://' | grep -o '^[0-9]*\.[0-9]*\.[0-9]*')
        mkdir -p "$tree/win32"
        printf '1 VERSIONINFO\nFILEVERSION %s,0\nBEGIN\nEND\n' "${version//./,}" >"$tree/win32/zlib1.rc"
    fi
    cmake_library zlib "$tree"
    mark_built zlib zlib1g-dev
}

build_libzip() {
    cmake_package libzip libzip libzip-dev \
        -DENABLE_GNUTLS=OFF -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF \
        -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
        -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
}

build_freetype() {
    cmake_package freetype freetype libfreetype-dev \
        -DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
        -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

# ICU cross-builds against a build of itself for this machine, whose tools make its data.
build_icu() {
    needs_build icu libicu-dev || return 0
    local tree host cross
    tree=$(source_tree icu libicu-dev)
    host="$work/build-icu-host"
    cross="$work/build-icu"
    rm -rf "$host" "$cross"
    mkdir -p "$host" "$cross"
    (cd "$host" && "$tree/source/runConfigureICU" Linux --disable-tests --disable-samples \
        && make -j "$jobs")
    (cd "$cross" && "$tree/source/configure" --host="$triplet" --with-cross-build="$host" \
        --prefix="$prefix" --enable-shared --disable-static --disable-tests --disable-samples \
        --disable-extras --with-data-packaging=library \
        CC="$triplet-gcc-posix" CXX="$triplet-g++-posix" \
        && make -j "$jobs" && make install)
    rm -rf "$host" "$cross"
    mark_built icu libicu-dev
}

# The HTML of documents is decoded by ICU, as any encoding a page declares may come.
build_libxml2() {
    cmake_package libxml2 libxml2 libxml2-dev \
        -DLIBXML2_WITH_ICU=ON -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_LZMA=OFF \
        -DLIBXML2_WITH_PYTHON=OFF -DLIBXML2_WITH_TESTS=OFF -DLIBXML2_WITH_PROGRAMS=OFF \
        -DICU_ROOT="$prefix"
}

# The program's own iconv over ICU (packaging/windows/iconv): MinGW's C library has none, and
# poppler's C++ interface converts its strings with one. Built again when its source changes.
build_iconv() {
    local source=$project/packaging/windows/iconv stamp
    stamp="iconv-$(cat "$source"/* | sha256sum | cut -c1-16)"
    [ -f "$prefix/.built/$stamp" ] && return 0
    "$triplet-g++-posix" -std=c++17 -O2 -shared -I"$prefix/include" "$source/iconv.cpp" \
        -o "$prefix/bin/libiconv.dll" -Wl,--out-implib,"$prefix/lib/libiconv.dll.a" -L"$prefix/lib" -licuuc
    cp "$source/iconv.h" "$prefix/include/"
    mkdir -p "$prefix/.built"
    touch "$prefix/.built/$stamp"
    built+=(iconv)
}

# Text extraction only: no image decoders, colour management, network, signatures or
# front-ends; poppler's own rasteriser (Splash) comes with it and needs only freetype.
build_poppler() {
    cmake_package poppler poppler libpoppler-cpp-dev \
        -DENABLE_CPP=ON -DENABLE_UTILS=OFF -DENABLE_GLIB=OFF -DENABLE_GOBJECT_INTROSPECTION=OFF \
        -DENABLE_QT5=OFF -DENABLE_QT6=OFF -DENABLE_BOOST=OFF -DENABLE_LIBCURL=OFF \
        -DENABLE_LIBOPENJPEG=none -DENABLE_DCTDECODER=none -DENABLE_CMS=none -DENABLE_ZLIB=ON \
        -DBUILD_GTK_TESTS=OFF -DBUILD_QT5_TESTS=OFF -DBUILD_QT6_TESTS=OFF -DBUILD_CPP_TESTS=OFF \
        -DBUILD_MANUAL_TESTS=OFF -DRUN_GPERF_IF_PRESENT=OFF \
        -DICONV_INCLUDE_DIR="$prefix/include" -DICONV_LIBRARIES="$prefix/lib/libiconv.dll.a"
}

# The library only: hunspell's own programs are not needed.
build_hunspell() {
    needs_build hunspell libhunspell-dev || return 0
    local tree build=$work/build-hunspell
    tree=$(source_tree hunspell libhunspell-dev)
    [ -x "$tree/configure" ] || (cd "$tree" && autoreconf -fi >&2)
    rm -rf "$build"
    mkdir -p "$build"
    (cd "$build" && "$tree/configure" --host="$triplet" --prefix="$prefix" --enable-shared --disable-static \
        --disable-nls --without-ui --without-readline \
        CC="$triplet-gcc-posix" CXX="$triplet-g++-posix" \
        && make -C src/hunspell -j "$jobs" && make -C src/hunspell install && make install-pkgconfDATA)
    rm -rf "$build"
    mark_built hunspell libhunspell-dev
}

# Header libraries, and GoogleTest for the test suites run under Wine.
build_eigen() {
    cmake_package eigen eigen3 libeigen3-dev -DBUILD_TESTING=OFF -DEIGEN_BUILD_DOC=OFF
}

build_nlohmann_json() {
    cmake_package nlohmann-json nlohmann-json3 nlohmann-json3-dev \
        -DJSON_BuildTests=OFF -DJSON_Install=ON
}

build_googletest() {
    cmake_package googletest googletest libgtest-dev -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON
}

# Qt, the modules and features the desktop program uses: its host tools (moc, rcc, uic) are
# the Linux build's own, of the same version. Debian's source leaves out the Wintab header,
# hence no tablet events (the program has no use for a pen's pressure).
qt_options=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DQT_BUILD_MANUAL_TESTS=OFF)

build_qt_base() {
    cmake_package qtbase qt6-base qt6-base-dev "${qt_options[@]}" \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_icu=OFF -DFEATURE_freetype=OFF -DFEATURE_system_zlib=OFF \
        -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
        -DFEATURE_system_libpng=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_md4c=OFF \
        -DINPUT_openssl=no -DFEATURE_tabletevent=OFF
}

build_qt_svg() {
    cmake_package qtsvg qt6-svg qt6-svg-dev "${qt_options[@]}"
}

build_qt_charts() {
    cmake_package qtcharts qt6-charts qt6-charts-dev "${qt_options[@]}"
}

# Bash reads a script as it runs it: read whole first, the script can be edited during a build
# that takes an hour without disturbing it.
main() {
    install_missing_packages g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev \
        cmake ninja-build make pkg-config autoconf automake libtool zlib1g-dev libzip-dev libfreetype-dev \
        libicu-dev libxml2-dev libpoppler-cpp-dev libhunspell-dev libeigen3-dev nlohmann-json3-dev libgtest-dev \
        qt6-base-dev qt6-svg-dev qt6-charts-dev
    ensure_source_packages
    mkdir -p "$prefix" "$work"

    build_zlib
    build_libzip
    build_freetype
    build_icu
    build_libxml2
    build_iconv
    build_poppler
    build_hunspell
    build_eigen
    build_nlohmann_json
    build_googletest
    build_qt_base
    build_qt_svg
    build_qt_charts

    elapsed=$(($(date +%s) - started))
    if [ ${#built[@]} -eq 0 ]; then
        echo "Rien à faire : les bibliothèques pour Windows sont déjà dans $prefix."
    else
        printf 'Bibliothèques pour Windows construites dans %s : %s, en %d min %02d s (%s).\n' \
            "$prefix" "${built[*]}" $((elapsed / 60)) $((elapsed % 60)) "$(du -sh "$prefix" | cut -f1)"
    fi
}

main "$@"
