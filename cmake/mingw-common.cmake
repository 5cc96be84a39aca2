# Shared part of the mingw-w64 toolchains. The caller sets VARNOTEL_MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VARNOTEL_MINGW_ARCH})
# The -posix compilers: the win32 thread model lacks std::mutex, which
# GoogleTest needs.
set(CMAKE_C_COMPILER ${VARNOTEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNOTEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNOTEL_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VARNOTEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One self-contained executable: no libgcc, libstdc++, winpthread or zlib DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)
