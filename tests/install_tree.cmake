# Installs the build in BUILD_DIR under DESTDIR as the Debian package lays it
# out: prefix /usr, the game in /usr/games (moved there unless the build's
# CMAKE_INSTALL_BINDIR is games already, as debian/rules sets it). Starts from an empty DESTDIR so a file that
# the package no longer ships cannot linger.
file(REMOVE_RECURSE ${DESTDIR})
foreach(component program data)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR}
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr --component ${component}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(EXISTS ${DESTDIR}/usr/bin/tanks)
  file(MAKE_DIRECTORY ${DESTDIR}/usr/games)
  file(RENAME ${DESTDIR}/usr/bin/tanks ${DESTDIR}/usr/games/tanks)
  file(REMOVE_RECURSE ${DESTDIR}/usr/bin)
endif()
