# SPDX-License-Identifier: MIT
# Run by CPack once it has staged a package's files, before it packs them: every staged file and
# folder takes the release's time, so that a package built twice, anywhere, is the same to the
# bit; and the Linux program loses the section of comments the compilers leave in it.
file(GLOB _programs "${CPACK_TEMPORARY_DIRECTORY}/*/bin/tenvex")
foreach(_program IN LISTS _programs)
    execute_process(COMMAND "${CPACK_TENVEX_OBJCOPY}" --remove-section=.comment "${_program}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(GLOB_RECURSE _staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
list(APPEND _staged "${CPACK_TEMPORARY_DIRECTORY}")
execute_process(COMMAND touch -h -d "@${CPACK_TENVEX_SOURCE_DATE_EPOCH}" ${_staged}
    COMMAND_ERROR_IS_FATAL ANY)
