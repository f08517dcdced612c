# Run by CPack once the package's files are staged, before the package is made: adds the
# libraries that the programs and the print plugin link to, as dpkg-shlibdeps finds them,
# to the declared dependencies. CPack's own scan (CPACK_DEBIAN_PACKAGE_SHLIBDEPS) finds
# the same, but also gives the package install and removal scripts that run ldconfig for
# any library under /usr/lib, the print plugin included, which ldconfig has nothing to do
# with.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
set(binaries)
foreach(file IN LISTS staged)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46") # ELF
        list(APPEND binaries "${file}")
    endif()
endforeach()
if(NOT binaries)
    message(FATAL_ERROR "no program among the package's files in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
# dpkg-shlibdeps wants to be run from a source package's folder.
set(scan "${CPACK_TEMPORARY_DIRECTORY}/../shlibdeps")
file(REMOVE_RECURSE "${scan}")
file(MAKE_DIRECTORY "${scan}/debian")
file(WRITE "${scan}/debian/control" "")
execute_process(COMMAND dpkg-shlibdeps -O ${binaries}
    WORKING_DIRECTORY "${scan}"
    OUTPUT_VARIABLE found
    ERROR_VARIABLE errors
    RESULT_VARIABLE status
    OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE "${scan}")
if(NOT status EQUAL 0 OR NOT found MATCHES "^shlibs:Depends=")
    message(FATAL_ERROR "dpkg-shlibdeps failed (${status}): ${errors}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" found "${found}")
message(STATUS "The programs need ${found}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${found}")
