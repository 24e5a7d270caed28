# Run by CPack on its staging tree before packing: strips the game as Debian's
# own packages are stripped, without the compiler's .comment and .note
# sections that a plain strip leaves behind.
file(GLOB games "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/usr/games/tanks")
foreach(game ${games})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${game}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT games)
  message(FATAL_ERROR "no games/tanks under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
