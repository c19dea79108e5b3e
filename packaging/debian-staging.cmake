# Run by CPack once the files are staged and before it builds the .deb: adds what Debian wants
# in a package and a plain `cmake --install` leaves out, the copyright file and the changelog
# in /usr/share/doc/quorvelle, compresses the manual pages, and strips the programs further.

set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(documentation ${staged}/share/doc/${CPACK_PACKAGE_NAME})

# run_or_fail(COMMAND...): runs COMMAND and stops the packaging if it fails.
function(run_or_fail)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Failed: ${ARGN}")
    endif()
endfunction()

# gzip_best(FILE): replaces FILE by FILE.gz, compressed as Debian asks: best compression and
# no name nor time stamp in the header, so that the same file always gives the same bytes.
function(gzip_best file)
    run_or_fail(gzip -9nf ${file})
endfunction()

# The changelog's latest entry must be the version being packaged.
file(STRINGS ${CPACK_QUORVELLE_PACKAGING_DIR}/changelog latest_entry LIMIT_COUNT 1)
if(NOT latest_entry MATCHES "^${CPACK_PACKAGE_NAME} \\(${CPACK_PACKAGE_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog does not start with an entry for "
                        "${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}): add one.")
endif()

# file(COPY) rather than file(INSTALL), which would put the files under $DESTDIR again.
file(COPY ${CPACK_QUORVELLE_PACKAGING_DIR}/copyright ${CPACK_QUORVELLE_PACKAGING_DIR}/changelog
     DESTINATION ${documentation}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS ${CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
gzip_best(${documentation}/changelog)

file(GLOB manual_pages ${staged}/share/man/man*/*.[1-9])
foreach(page IN LISTS manual_pages)
    gzip_best(${page})
endforeach()

# CPACK_STRIP_FILES has removed the symbols; the compiler's identification (.comment) and the
# .note section go as well, as Debian's own packages strip them, from the programs and the module.
file(GLOB programs ${staged}/bin/* ${staged}/lib/*/quorvelle/* ${staged}/lib/quorvelle/*)
foreach(program IN LISTS programs)
    run_or_fail(strip --remove-section=.comment --remove-section=.note ${program})
endforeach()
