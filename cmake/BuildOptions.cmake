# SPDX-License-Identifier: MIT
# Warnings, sanitizers and the platform's settings come from INTERFACE targets that every target
# of ours links.

add_library(tenvex_warnings INTERFACE)
add_library(tenvex::warnings ALIAS tenvex_warnings)
target_compile_options(tenvex_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wconversion -Wpedantic
    $<$<BOOL:${TENVEX_WERROR}>:-Werror>
)

add_library(tenvex_sanitizers INTERFACE)
add_library(tenvex::sanitizers ALIAS tenvex_sanitizers)
if(TENVEX_SANITIZE OR TENVEX_FUZZ)
    set(_tenvex_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_compile_options(tenvex_sanitizers INTERFACE ${_tenvex_sanitize_flags})
    target_link_options(tenvex_sanitizers INTERFACE ${_tenvex_sanitize_flags})
endif()
if(TENVEX_FUZZ)
    # Coverage for libFuzzer in every library; the fuzz targets add the fuzzer's main.
    target_compile_options(tenvex_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()

# On Windows, MinGW's own C99 strtod and printf, which round correctly and write exponents as C
# does, rather than the Windows C runtime's: the program's long readings and the tests' oracles
# both rely on them.
add_library(tenvex_c_library INTERFACE)
add_library(tenvex::c_library ALIAS tenvex_c_library)
target_compile_definitions(tenvex_c_library INTERFACE $<$<BOOL:${MINGW}>:__USE_MINGW_ANSI_STDIO=1>)

# Programs on the Win32 API: its wide-character functions, and Windows 10's (per-monitor DPI
# awareness and the DPI functions).
add_library(tenvex_win32_api INTERFACE)
add_library(tenvex::win32_api ALIAS tenvex_win32_api)
target_compile_definitions(tenvex_win32_api INTERFACE UNICODE _UNICODE _WIN32_WINNT=0x0A00
    WINVER=0x0A00 NOMINMAX WIN32_LEAN_AND_MEAN)

# Debian's hardening flags (the stack protector, _FORTIFY_SOURCE, format checks, read-only
# relocations) as dpkg-buildflags gives them, for everything a Debian package of the program
# holds; the build type keeps its own optimisation and debugging information. Asked for in the
# source folder, whose paths they then leave out of what is built. Not for the sanitizers, which
# bring checks of their own.
add_library(tenvex_hardening INTERFACE)
add_library(tenvex::hardening ALIAS tenvex_hardening)
find_program(TENVEX_DPKG_BUILDFLAGS dpkg-buildflags)
set(TENVEX_HARDENED OFF)
if(TENVEX_DPKG_BUILDFLAGS AND NOT CMAKE_CROSSCOMPILING AND NOT TENVEX_SANITIZE AND NOT TENVEX_FUZZ)
    set(TENVEX_HARDENED ON)
    foreach(_tenvex_kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${TENVEX_DPKG_BUILDFLAGS} --get ${_tenvex_kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE _tenvex_flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(_tenvex_flags UNIX_COMMAND "${_tenvex_flags}")
        list(FILTER _tenvex_flags EXCLUDE REGEX "^-(O[0-9s]?|g)$")
        if(_tenvex_kind STREQUAL "LDFLAGS")
            target_link_options(tenvex_hardening INTERFACE ${_tenvex_flags})
        else()
            target_compile_options(tenvex_hardening INTERFACE ${_tenvex_flags})
        endif()
    endforeach()
endif()

# What is built does not depend on where or when: the folders' paths are left out of the
# programs, and the Windows linker writes no time stamp into them.
add_library(tenvex_reproducible INTERFACE)
add_library(tenvex::reproducible ALIAS tenvex_reproducible)
target_compile_options(tenvex_reproducible INTERFACE
    $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>
    $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>)
target_link_options(tenvex_reproducible INTERFACE $<$<BOOL:${MINGW}>:-Wl,--no-insert-timestamp>)

# Test programs under Node.js read the build machine's files (the oracle's cases, the corpora).
set(TENVEX_TEST_LINK_OPTIONS $<$<PLATFORM_ID:Emscripten>:-sNODERAWFS=1>)

if(TENVEX_CLANG_TIDY)
    find_program(TENVEX_CLANG_TIDY_PROGRAM NAMES clang-tidy clang-tidy-14 REQUIRED)
    # clang-tidy reads the .clang-tidy nearest to each file, so the code the toolkit generates in
    # the build folder (moc's, which includes its own .cpp files) gets the checks for likely bugs
    # without the project's naming rules, whatever folder the build is in.
    file(WRITE "${CMAKE_BINARY_DIR}/.clang-tidy" [=[
Checks: '-*,bugprone-*,-bugprone-suspicious-include,-bugprone-easily-swappable-parameters,performance-*'
]=])
endif()

function(tenvex_use_build_options target)
    target_link_libraries(${target} PRIVATE tenvex::warnings tenvex::sanitizers tenvex::hardening
        tenvex::reproducible tenvex::c_library)
    if(TENVEX_CLANG_TIDY)
        # The project's .clang-tidy, every finding an error.
        set_target_properties(${target} PROPERTIES
            CXX_CLANG_TIDY "${TENVEX_CLANG_TIDY_PROGRAM};--quiet;--warnings-as-errors=*")
    endif()
endfunction()
