# Run at install time on one installed program or library (see
# ostraval_finish_installed_binary in OstravalInstall.cmake).
#   ostraval_binary  its path under the prefix
#   ostraval_strip   the strip program
set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ostraval_binary}")

string(REGEX REPLACE "/+$" "" prefix "${CMAKE_INSTALL_PREFIX}")
if(prefix STREQUAL "/usr")
    file(RPATH_REMOVE FILE "${file}")
endif()

if(CMAKE_INSTALL_DO_STRIP)
    execute_process(
        COMMAND "${ostraval_strip}" --remove-section=.comment --remove-section=.note "${file}"
        COMMAND_ERROR_IS_FATAL ANY)
endif()
