#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the project's own Wine prefix, quietly.
#   scripts/wine.sh PROGRAM.exe [ARGUMENTS...]
export WINEPREFIX=${TENVEX_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tenvex/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
mkdir -p "$(dirname "$WINEPREFIX")"
exec wine "$@"
