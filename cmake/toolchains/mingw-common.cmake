# SPDX-License-Identifier: MIT
# What both Windows targets share; TENVEX_MINGW_TRIPLET names the compiler.
set(CMAKE_SYSTEM_NAME Windows)
# The POSIX thread model: the C++ library with std::mutex, which GoogleTest uses.
set(CMAKE_C_COMPILER ${TENVEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TENVEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TENVEX_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TENVEX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One file each: the C++ and C runtime libraries linked in, so that Tenvex.exe needs only the
# DLLs every Windows has.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine.sh)
