# Installs the build in BUILD_DIR under DESTDIR as the Debian package lays it
# out: prefix /usr, the game in /usr/games. Starts from an empty DESTDIR so a
# file that the package no longer ships cannot linger.
file(REMOVE_RECURSE ${DESTDIR})
foreach(component data debian)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr --component ${component}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
