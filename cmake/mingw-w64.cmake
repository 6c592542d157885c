# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the posix-threads flavour, which
# std::thread and std::mutex need). The programs and tests run under wine through
# cmake/wine-run.sh, with a wine prefix of the build's own.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BRINKIT_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${BRINKIT_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BRINKIT_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${BRINKIT_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BRINKIT_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs linked whole, so that they run without the compiler's DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
# zlib linked in too.
set(ZLIB_USE_STATIC_LIBS ON)
