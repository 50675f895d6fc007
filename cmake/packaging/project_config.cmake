# SPDX-License-Identifier: MIT
# Read by CPack before it stages a package's files. The tools it runs then (strip among them,
# which writes a Windows program's header anew) take the release's time, not the clock's.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_TENVEX_SOURCE_DATE_EPOCH}")
