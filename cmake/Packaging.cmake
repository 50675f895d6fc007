# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` in the build folder.
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
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

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
