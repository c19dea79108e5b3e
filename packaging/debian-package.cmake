# The Debian package of Quorvelle, built by `cpack -G DEB` in the build directory (see
# scripts/package.sh): both programs, the document readers' module they load (in
# /usr/lib/<multiarch>/quorvelle) and what data/ installs beside them, with the copyright
# file and the changelog that packaging/debian-staging.cmake adds to the staged files.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorvelle <maintainers@users.noreply.c-seed-865a10a5.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lexical statistics of French texts, for teaching")
# The long description, in English then in French. It is read here rather than named by
# CPACK_PACKAGE_DESCRIPTION_FILE, which CPack escapes for XML (&apos; in place of ').
file(READ ${CMAKE_CURRENT_LIST_DIR}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)

# quorvelle_VERSION_ARCH.deb, the Debian name of a native package.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps lists the libraries the programs and the module link. The lemmas need the
# French dictionary libhunspell reads, which no link names; so does the desktop program's Qt
# platform plugin, which shows its windows. Qt's French catalogues translate its standard dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS hunspell-fr-comprehensive)
if(QUORVELLE_BUILD_DESKTOP)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", qt6-qpa-plugins")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()

# Files and folders as Debian wants them: stripped programs, control files and folders with
# the usual permissions whatever the builder's umask.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Read by the staging script, which runs inside CPack and sees only CPACK_ variables.
set(CPACK_QUORVELLE_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian-staging.cmake)

include(CPack)
