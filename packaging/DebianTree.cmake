# Runs in CPack after the install rules have staged the package's tree, and does what
# debhelper does for a Debian package: strips the programs as dh_strip does, adds the
# copyright file, the changelog and the lintian overrides, and compresses the manual pages
# and the changelog with gzip -9n, so that they hold no file name or time of the build.
set(root ${CPACK_TEMPORARY_INSTALL_DIRECTORY})
set(docs ${root}/usr/share/doc/plovex)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "${command}: ${status}")
    endif()
endfunction()

file(GLOB programs ${root}/usr/bin/*)
foreach(program IN LISTS programs)
    run(strip --remove-section=.comment --remove-section=.note --strip-unneeded ${program})
endforeach()

set(directory OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(overrides ${root}/usr/share/lintian/overrides)
file(MAKE_DIRECTORY ${docs} ${overrides})
file(CHMOD ${root}/usr/share/doc ${docs} ${root}/usr/share/lintian ${overrides}
    PERMISSIONS ${directory})
set(packaging ${CPACK_PLOVEX_PACKAGING_DIR})
file(COPY_FILE ${packaging}/copyright ${docs}/copyright)
file(COPY_FILE ${packaging}/changelog ${docs}/changelog.Debian)
file(COPY_FILE ${packaging}/lintian-overrides ${overrides}/plovex)
file(CHMOD ${docs}/copyright ${docs}/changelog.Debian ${overrides}/plovex
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
run(gzip -9nf ${docs}/changelog.Debian)

file(GLOB_RECURSE pages ${root}/usr/share/man/*)
foreach(page IN LISTS pages)
    if(NOT page MATCHES "\\.gz$")
        run(gzip -9nf ${page})
    endif()
endforeach()
