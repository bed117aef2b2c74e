# Debian's view of the release: the changelog entry it comes from, the
# copyright file written from LICENSE, and one Debian package per install
# component (see OstravalInstall.cmake).

# ostraval_read_changelog(CHANGELOG VERSION DATE_VAR)
# Checks that the latest entry of the Debian-format CHANGELOG is VERSION and
# returns its date as YYYY-MM-DD (for the metainfo's release).
function(ostraval_read_changelog changelog version date_var)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    file(STRINGS ${changelog} heading LIMIT_COUNT 1)
    if(NOT heading MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\) ")
        message(FATAL_ERROR "${changelog}: the first line is not an entry's heading: ${heading}")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL version)
        message(FATAL_ERROR "${changelog}: the latest entry is ${CMAKE_MATCH_1}, "
            "the release built is ${version}: add an entry for ${version}")
    endif()
    # " -- Name <address>  Thu, 10 Dec 2026 12:00:00 +0000"
    file(STRINGS ${changelog} trailer REGEX "^ -- " LIMIT_COUNT 1)
    if(NOT trailer MATCHES ", ([0-9]+) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "${changelog}: no date in the latest entry's trailer: ${trailer}")
    endif()
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months ${CMAKE_MATCH_2} month)
    math(EXPR month "${month} + 1")
    set(day ${CMAKE_MATCH_1})
    foreach(part month day)
        string(LENGTH "${${part}}" length)
        if(length EQUAL 1)
            set(${part} "0${${part}}")
        endif()
    endforeach()
    set(${date_var} "${CMAKE_MATCH_3}-${month}-${day}" PARENT_SCOPE)
endfunction()

# ostraval_write_copyright(LICENSE OUTPUT)
# Writes Debian's machine-readable copyright file for the whole source from
# LICENSE, an MIT licence: its "Copyright (c) ..." line and its text.
function(ostraval_write_copyright license output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${license})
    file(READ ${license} text)
    if(NOT text MATCHES "\nCopyright \\(c\\) ([^\n]+)\n+(.*[^\n])\n*$")
        message(FATAL_ERROR "${license}: no \"Copyright (c)\" line followed by the licence text")
    endif()
    set(holders "${CMAKE_MATCH_1}")
    # Continuation lines start with a blank; an empty line is written " .".
    string(REPLACE "\n" "\n " body " ${CMAKE_MATCH_2}")
    string(REPLACE "\n \n" "\n .\n" body "${body}")
    file(CONFIGURE OUTPUT ${output} @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@

Files: *
Copyright: @holders@
License: MIT
@body@
")
endfunction()

# ostraval_debian_package(COMPONENT NAME package SECTION section
#     [MULTI_ARCH same] [DEPENDS_ON component...] [SHLIBDEPS]
#     [RECOMMENDS package...] [CONTROL file...] DOCS file... DESCRIPTION text)
# Makes the install COMPONENT into the Debian package NAME: sets the CPack
# variables in the caller's scope (before it includes CPack) and installs
# DOCS into the package's documentation folder. DEPENDS_ON names components
# whose packages this one needs in the same version; SHLIBDEPS adds what
# dpkg-shlibdeps computes from the package's programs; CONTROL adds files to
# the control archive. DESCRIPTION is the synopsis, a new line and the
# extended description.
function(ostraval_debian_package component)
    cmake_parse_arguments(PARSE_ARGV 1 arg "SHLIBDEPS"
        "NAME;SECTION;MULTI_ARCH;DESCRIPTION" "DEPENDS_ON;RECOMMENDS;CONTROL;DOCS")
    string(TOUPPER ${component} var)
    set(priority optional)
    if(arg_MULTI_ARCH)
        # CMake's DEB generator (3.25, as in Debian 12) has no Multi-Arch
        # field. It writes each field's value as it stands, so the field is
        # added as the line after Priority's.
        string(APPEND priority "\nMulti-Arch: ${arg_MULTI_ARCH}")
    endif()
    set(CPACK_DEBIAN_${var}_PACKAGE_NAME ${arg_NAME} PARENT_SCOPE)
    set(CPACK_DEBIAN_${var}_PACKAGE_SECTION ${arg_SECTION} PARENT_SCOPE)
    set(CPACK_DEBIAN_${var}_PACKAGE_PRIORITY "${priority}" PARENT_SCOPE)
    set(CPACK_DEBIAN_${var}_PACKAGE_SHLIBDEPS ${arg_SHLIBDEPS} PARENT_SCOPE)
    if(arg_RECOMMENDS)
        list(JOIN arg_RECOMMENDS ", " recommends)
        set(CPACK_DEBIAN_${var}_PACKAGE_RECOMMENDS "${recommends}" PARENT_SCOPE)
    endif()
    set(CPACK_DEBIAN_${var}_PACKAGE_CONTROL_EXTRA "${arg_CONTROL}" PARENT_SCOPE)
    set(CPACK_DEBIAN_${var}_PACKAGE_CONTROL_STRICT_PERMISSION ON PARENT_SCOPE)
    set(CPACK_DEBIAN_${var}_DESCRIPTION "${arg_DESCRIPTION}" PARENT_SCOPE)
    set(CPACK_COMPONENT_${var}_DEPENDS ${arg_DEPENDS_ON} PARENT_SCOPE)
    if(NOT arg_NAME STREQUAL PROJECT_NAME)
        set(CPACK_DEBIAN_${var}_PACKAGE_SOURCE ${PROJECT_NAME} PARENT_SCOPE)
    endif()
    set(CPACK_COMPONENTS_ALL ${CPACK_COMPONENTS_ALL} ${component} PARENT_SCOPE)
    install(FILES ${arg_DOCS} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${arg_NAME}
        COMPONENT ${component})
endfunction()
