# SPDX-License-Identifier: MIT
# Building for the browser with Debian's Emscripten; tests run under Node.js.
# Tests run under Node.js without its fetch, which this Emscripten's loader would use for a file.
find_program(TENVEX_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TENVEX_NODE} --no-experimental-fetch)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# Emscripten's tools need Debian's Node.js modules, its optimiser among them.
set(ENV{NODE_PATH} /usr/share/nodejs)
# The build machine's header-only libraries (fast_float) are looked for where Debian puts them.
list(APPEND CMAKE_SYSTEM_INCLUDE_PATH /usr/include)
set(CMAKE_CXX_COMPILER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)
# Errors are exceptions, caught where the runtime hands an event to a handler; the browser's
# default build would end the program at the first throw.
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions -sALLOW_MEMORY_GROWTH=1")
# A page's users wait for its download, not for its arithmetic: a release is optimised for size.
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-Os -DNDEBUG")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT -Os)
