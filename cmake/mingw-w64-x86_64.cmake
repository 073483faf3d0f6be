# Cross-compiles for 64-bit Windows from Debian with the MinGW-w64 compilers. The posix thread
# model is the one whose runtime has std::thread, which Qt needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZIB_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER /usr/bin/${ZIB_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${ZIB_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${ZIB_MINGW_TRIPLET}-windres)
set(CMAKE_AR /usr/bin/${ZIB_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${ZIB_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")

# Qt's own toolchain file appends its prefix to these roots, so they are extended, not replaced.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${ZIB_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test discovery and try_run start the programs they built through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
