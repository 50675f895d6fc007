# SPDX-License-Identifier: MIT
# Warnings and sanitizers come from INTERFACE targets that every target of ours links.

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

function(tenvex_use_build_options target)
    target_link_libraries(${target} PRIVATE tenvex::warnings tenvex::sanitizers)
endfunction()
