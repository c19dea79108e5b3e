#!/usr/bin/env bash
# Builds the Debian package build-package/quorvelle_VERSION_amd64.deb with CPack, from a
# Release build in build-package/ compiled with Debian's hardening flags.
# Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/debian-packages.sh

scripts/install-deps.sh
# dpkg-buildflags gives the flags; CPack runs dpkg-shlibdeps, which needs file to find binaries.
install_missing_packages dpkg-dev file

# The flags Debian compiles its own packages with, every hardening feature on. Debugging
# information is left out: the packaged programs are stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP=-g
cxx_flags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
linker_flags=$(dpkg-buildflags --get LDFLAGS)

build=build-package
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DQUORVELLE_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$cxx_flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$linker_flags" \
    -DCMAKE_SHARED_LINKER_FLAGS="$linker_flags" \
    -DCMAKE_MODULE_LINKER_FLAGS="$linker_flags"
cmake --build "$build"

# The package is named after the project's version, read back from the configured build.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
package="$build/quorvelle_${version}_$(dpkg --print-architecture).deb"
rm -f "$package"
(cd "$build" && cpack -G DEB)
[ -f "$package" ] || { echo "Le paquet $package n'a pas été construit." >&2; exit 1; }
echo "Paquet Debian : $package"
