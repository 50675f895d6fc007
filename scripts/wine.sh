#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the project's own Wine prefix, quietly.
#   scripts/wine.sh PROGRAM.exe [ARGUMENTS...]
#   scripts/wine.sh --wait      waits until no program of the prefix runs any more
# Programs that run at the same time share one Wine session, and its windows go to the display
# of the program that began it: a test that shows windows waits for the session to end first.
set -euo pipefail
export WINEPREFIX=${TENVEX_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tenvex/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# The prefix is made once, on a display: one made without a display never shows its windows on
# any display afterwards. Tests that start together wait for the first to make it.
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec {lock}>"$WINEPREFIX.lock"
    flock "$lock"
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        (
            if [[ -z ${DISPLAY:-} ]]; then
                source "$(dirname "$0")/x11_session.sh"
                trap x11_stop EXIT
                x11_start_display 640x480
            fi
            wine wineboot --init >/dev/null 2>&1
            wineserver -w
        )
    fi
    flock -u "$lock"
fi
if [[ ${1:-} == --wait ]]; then
    exec wineserver -w
fi
exec wine "$@"
