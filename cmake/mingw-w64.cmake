# Cross-compiles for 64-bit Windows with Debian's mingw-w64 and runs the
# results under Wine. The -posix compilers, because only their libstdc++ has
# std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_target x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_target}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_target}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_target}-windres)

# Libraries and headers only from the Windows side: the mingw-w64 tree and
# whatever prefix the caller names (CMAKE_PREFIX_PATH), never the host's.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw_target} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Lets CTest run the Windows test programs.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# The same bytes from any checkout: the repository's path (the build folders
# and the dependencies' sources lie under it) is kept out of the objects, and
# the linker writes no time stamp into the executable's header.
get_filename_component(tanks_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(CMAKE_C_FLAGS_INIT "-ffile-prefix-map=${tanks_root}=.")
set(CMAKE_CXX_FLAGS_INIT "-ffile-prefix-map=${tanks_root}=.")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
