# Shared by the MinGW-w64 toolchain files: the posix thread model compilers
# (the win32 model lacks std::mutex, which GoogleTest needs) of the triple
# that the including file sets.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KELVARA_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELVARA_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KELVARA_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELVARA_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
