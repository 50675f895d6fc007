# SPDX-License-Identifier: MIT
# The packages: `cpack -G DEB` in a Linux build folder; `cpack -G ZIP` and `cpack -G NSIS` (an
# installer) in a Windows one; `cpack -G ZIP` (the static site) in a browser one.
# Every value reaches CPack as written, backslashes of registry keys included.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME tenvex)
set(CPACK_PACKAGE_VENDOR "${TENVEX_ORGANISATION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Rewrites a quantity from one SI prefix to another")
set(CPACK_PACKAGE_DESCRIPTION [[
Type a quantity, choose the SI prefix it is written in and the prefix you
want, and read the same quantity with the new prefix. Numbers are read
exactly, and an ambiguous number or a result too large for a double is
reported rather than shown wrong.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "${TENVEX_HOMEPAGE}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# The staged files take the release's time (the packages are then reproducible), and the Linux
# program loses its compilers' comments.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/packaging/project_config.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/packaging/staged.cmake)
set(CPACK_TENVEX_SOURCE_DATE_EPOCH ${TENVEX_SOURCE_DATE_EPOCH})
set(CPACK_TENVEX_OBJCOPY ${CMAKE_OBJCOPY})

if(TENVEX_BACKEND STREQUAL "web")
    # The static site as it is, to unpack on any static host or to open from disk.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-web")
    include(CPack)
    return()
endif()

if(TENVEX_BACKEND STREQUAL "win32")
    # Tenvex.exe with short notes for its users and the licence, both with Windows line ends, as a
    # ZIP and as an installer of our own (cmake/packaging/NSIS.template.in).
    configure_file(${PROJECT_SOURCE_DIR}/resources/README.txt.in
        ${CMAKE_BINARY_DIR}/packaging/README.txt @ONLY NEWLINE_STYLE CRLF)
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt
        @ONLY NEWLINE_STYLE CRLF) # it holds no @ to replace
    install(FILES ${CMAKE_BINARY_DIR}/packaging/README.txt ${CMAKE_BINARY_DIR}/packaging/LICENSE.txt
        DESTINATION .)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/packaging)
    set(CPACK_NSIS_PACKAGE_NAME ${TENVEX_APPLICATION_NAME})
    set(CPACK_NSIS_INSTALLED_ICON_NAME ${TENVEX_APPLICATION_NAME}.exe)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/tenvex.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/tenvex.ico)
    set(CPACK_NSIS_URL_INFO_ABOUT "${TENVEX_HOMEPAGE}")
    set(CPACK_TENVEX_NUMERIC_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
    set(CPACK_TENVEX_COPYRIGHT "${TENVEX_COPYRIGHT}")
    set(CPACK_TENVEX_UNINSTALL_KEY "${TENVEX_UNINSTALL_KEY}")
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(_tenvex_windows win64)
        # A 64-bit installer for the 64-bit program: 32-bit Windows refuses to start either, and
        # both see the 64-bit registry and Program Files.
        set(CPACK_TENVEX_NSIS_TARGET "Target amd64-unicode")
        set(CPACK_TENVEX_NSIS_PROGRAMFILES64 "!define MULTIUSER_USE_PROGRAMFILES64")
        set(CPACK_TENVEX_NSIS_REGVIEW "SetRegView 64")
    else()
        set(_tenvex_windows win32)
        set(CPACK_TENVEX_NSIS_TARGET "Target x86-unicode")
    endif()
    set(CPACK_PACKAGE_FILE_NAME "${TENVEX_APPLICATION_NAME}-${PROJECT_VERSION}-${_tenvex_windows}")
    include(CPack)
    return()
endif()

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TENVEX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, found by dpkg-shlibdeps; the platform plugins Qt loads at run
# time, which no link shows.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")

include(CPack)
