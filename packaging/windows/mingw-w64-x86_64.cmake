# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers (POSIX threads, which
# std::thread and Qt need), against the libraries scripts/windows-toolchain.sh builds.
# Usage: cmake -DCMAKE_TOOLCHAIN_FILE=packaging/windows/mingw-w64-x86_64.cmake
#              -DQUORVELLE_WINDOWS_PREFIX=/var/cache/quorvelle/mingw64 ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

if(NOT QUORVELLE_WINDOWS_PREFIX)
    set(QUORVELLE_WINDOWS_PREFIX /var/cache/quorvelle/mingw64)
endif()
# Passed on to try_compile projects, which read this file again.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUORVELLE_WINDOWS_PREFIX)

# Libraries, headers and packages come from the prefix and the compilers' own sysroot, never
# from the build machine; programs (moc, the code generators) come from the build machine.
set(CMAKE_FIND_ROOT_PATH ${QUORVELLE_WINDOWS_PREFIX} /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(ENV{PKG_CONFIG_LIBDIR} ${QUORVELLE_WINDOWS_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Tests run under Wine.
find_program(wine_program NAMES wine64 wine)
if(wine_program)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_program})
endif()
