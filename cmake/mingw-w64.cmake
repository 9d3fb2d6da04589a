# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64), the tests
# run through Wine. Used by tools/windows-check.sh:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KURVEX_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix thread model: the win32 one lacks parts of the standard library's threads.
set(CMAKE_C_COMPILER ${KURVEX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KURVEX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KURVEX_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KURVEX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry their runtime (libstdc++, libgcc, winpthread), so a copied .exe runs on
# its own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest and test discovery run the programs through Wine.
find_program(KURVEX_WINE NAMES wine wine64)
if(KURVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KURVEX_WINE})
endif()
