#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under Wine in the project's own Wine prefix, quietly.
#   scripts/wine.sh PROGRAM.exe [ARGUMENTS...]
#   scripts/wine.sh --wait      waits until no program of the prefix runs any more
#   scripts/wine.sh --kill      ends every program of the prefix
#   scripts/wine.sh --runs-32-bit   whether 32-bit programs run here; if not, says why
# Programs that run at the same time share one Wine session, and its windows go to the display
# of the program that began it: a test that shows windows waits for the session to end first.
set -euo pipefail
export WINEPREFIX=${TENVEX_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/tenvex/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# Debian's `wine` starts the 32-bit loader when there is one, which a kernel built without
# 32-bit support cannot execute. Without a 32-bit loader that runs, the 64-bit loader runs
# 64-bit programs directly, and a 32-bit program is skipped with status 77, which the tests
# count as skipped, not passed.
wine=wine
no_32_bit=
if [[ ! -x /usr/lib/wine/wine ]]; then
    no_32_bit="no 32-bit Wine is installed (wine32:i386)"
elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    no_32_bit="this machine's kernel cannot run 32-bit programs"
fi
if [[ -n $no_32_bit && -x /usr/lib/wine/wine64 ]]; then
    wine=/usr/lib/wine/wine64
    export WINELOADER=$wine
fi
if [[ ${1:-} == --runs-32-bit ]]; then
    [[ -z $no_32_bit ]] && exit 0
    echo "The 32-bit Windows build's tests under Wine were skipped: $no_32_bit." >&2
    exit 1
fi
# The machine a PE program is built for: 014c for 32-bit x86, 8664 for x86-64.
pe_machine() {
    local header
    header=$(od -An -tu4 -j 60 -N 4 "$1" 2>/dev/null) || return 0
    od -An -tx2 -j $((header + 4)) -N 2 "$1" 2>/dev/null | tr -d ' '
}
if [[ $wine != wine && -f ${1:-} && $(pe_machine "$1") == 014c ]]; then
    echo "skipped: $no_32_bit, so not $(basename "$1")" >&2
    exit 77
fi

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
            "$wine" wineboot --init >/dev/null 2>&1
            wineserver -w
        )
    fi
    flock -u "$lock"
fi
case ${1:-} in
--wait) exec wineserver -w ;;
--kill) exec wineserver -k ;;
esac
exec "$wine" "$@"
