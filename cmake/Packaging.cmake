# SPDX-License-Identifier: MIT
# The packages: `cpack -G DEB` in a Linux build folder; `cpack -G ZIP` and `cpack -G NSIS` (an
# installer) in a Windows one.
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

if(TENVEX_BACKEND STREQUAL "win32")
    # Tenvex.exe with the README and the licence, as a ZIP and as an installer with a
    # Start-menu entry, an uninstaller and an entry in the list of installed programs.
    install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(_tenvex_windows win64)
        set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    else()
        set(_tenvex_windows win32)
    endif()
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_FILE_NAME "${TENVEX_APPLICATION_NAME}-${PROJECT_VERSION}-${_tenvex_windows}")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY ${TENVEX_APPLICATION_NAME})
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${TENVEX_APPLICATION_NAME})
    set(CPACK_PACKAGE_EXECUTABLES ${TENVEX_APPLICATION_NAME} ${TENVEX_APPLICATION_NAME})
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
    set(CPACK_NSIS_DISPLAY_NAME ${TENVEX_APPLICATION_NAME})
    set(CPACK_NSIS_PACKAGE_NAME ${TENVEX_APPLICATION_NAME})
    set(CPACK_NSIS_INSTALLED_ICON_NAME ${TENVEX_APPLICATION_NAME}.exe)
    set(CPACK_NSIS_MUI_ICON ${TENVEX_ICO_FILE})
    set(CPACK_NSIS_MUI_UNIICON ${TENVEX_ICO_FILE})
    set(CPACK_NSIS_URL_INFO_ABOUT "${TENVEX_HOMEPAGE}")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    # The installer keeps its folder under the publisher's key; the uninstaller removes both,
    # the publisher's only when nothing else of theirs is there.
    set(_tenvex_vendor_key "Software\\${CPACK_PACKAGE_VENDOR}")
    set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
        "DeleteRegKey SHCTX '${_tenvex_vendor_key}\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}'
  DeleteRegKey /ifempty SHCTX '${_tenvex_vendor_key}'")
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
