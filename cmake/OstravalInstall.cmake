# Install rules shared by the programs, the device library and the
# compressed documents.
#
# Each install rule names a component, and each component becomes one Debian
# package (packaging/CMakeLists.txt):
#   Runtime      ostraval-config  the programs, desktop entry, metainfo,
#                                 icons, manual pages and their data
#   Library      libkv3rapi1      the device library's run-time files
#   Development  libkv3rapi-dev   its development link, header and .pc file
# A file installed with COMPONENT Runtime lands in ostraval-config.

include(GNUInstallDirs)

# ostraval_finish_installed_binary(PATH COMPONENT)
# After a program or library is installed at PATH (under the prefix): under
# /usr the device library lies in the system's search path, so no run path
# stays; a stripped install (cpack, cmake --install --strip) also drops the
# sections that only describe the build, as Debian's dh_strip does.
function(ostraval_finish_installed_binary path component)
    install(CODE "
        set(ostraval_binary \"${path}\")
        set(ostraval_strip \"${CMAKE_STRIP}\")
        include(\"${PROJECT_SOURCE_DIR}/cmake/finish_installed_binary.cmake\")
        " COMPONENT ${component})
endfunction()

# ostraval_install_program(TARGET)
# Installs a program to bin/. Under any prefix but /usr it finds the device
# library through a relative run path, so that an installed tree may be
# moved.
function(ostraval_install_program target)
    set_target_properties(${target} PROPERTIES
        INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Runtime)
    ostraval_finish_installed_binary(
        "${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>" Runtime)
endfunction()

# ostraval_gzip(TARGET OUTPUTS_VAR SOURCE...)
# Compresses each source at build time as Debian wants its manual pages and
# changelogs: gzip -9n, at the highest level, with no name or time stamp in
# the header, so that the same source always gives the same bytes. The
# compressed files are returned in OUTPUTS_VAR, built by TARGET.
function(ostraval_gzip target outputs_var)
    set(outputs)
    foreach(source IN LISTS ARGN)
        get_filename_component(name ${source} NAME)
        set(copy ${CMAKE_CURRENT_BINARY_DIR}/gzip/${name})
        add_custom_command(OUTPUT ${copy}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
            COMMAND gzip -9nf ${copy}
            DEPENDS ${source}
            COMMENT "Compressing ${name}"
            VERBATIM)
        list(APPEND outputs ${copy}.gz)
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
    set(${outputs_var} ${outputs} PARENT_SCOPE)
endfunction()
