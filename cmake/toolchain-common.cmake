# Shared part of the MinGW-w64 toolchain files. The -posix compilers are
# required: GCC 12's -win32 variant has no std::mutex/std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${TAVRIN_TRIPLE_CPU})
set(CMAKE_C_COMPILER   ${TAVRIN_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAVRIN_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${TAVRIN_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TAVRIN_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec.sh)
