# SPDX-License-Identifier: MIT
# Run by CPack once it has staged a package's files, before it packs them: every staged file and
# folder takes the release's time, so that a package built twice, anywhere, is the same to the
# bit; and the Linux program loses the section of comments the compilers leave in it.
file(GLOB_RECURSE _staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(_file IN LISTS _staged)
    if(NOT IS_DIRECTORY "${_file}" AND _file MATCHES "/bin/tenvex$")
        execute_process(COMMAND "${CPACK_TENVEX_OBJCOPY}" --remove-section=.comment "${_file}"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
list(APPEND _staged "${CPACK_TEMPORARY_DIRECTORY}")
execute_process(COMMAND touch -h -d "@${CPACK_TENVEX_SOURCE_DATE_EPOCH}" ${_staged}
    COMMAND_ERROR_IS_FATAL ANY)
