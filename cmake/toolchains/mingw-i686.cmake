# SPDX-License-Identifier: MIT
# Cross-building for 32-bit Windows with Debian's MinGW-w64; tests run under Wine.
set(TENVEX_MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# Doubles computed as doubles: the x87 unit's wider registers would round twice, and the reading
# and the conversion rely on one correctly rounded step each.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
