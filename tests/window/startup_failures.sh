#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# When the window system cannot be started, the program says why in one or two plain lines and
# ends with status 1, never with an abort: without a display, or with one that cannot be opened,
# that in one line; with a platform that is not installed, Qt's own words on it and on the
# platforms there are.
#   startup_failures.sh PROGRAM
set -uo pipefail
program=$1
failed=false
fail() { echo "FAIL: $*"; failed=true; }

# A display that cannot be opened, however it is named: one line, naming it.
#   name | environment | the line says
while IFS='|' read -r name environment says; do
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY $environment "$program" 2>&1)
    status=$?
    echo "$name: status $status: $output"
    [[ $status == 1 ]] || fail "$name: status $status, not 1"
    [[ $(wc -l <<<"$output") == 1 && $output == *"$says"* ]] \
        || fail "$name: not one line saying '$says'"
done <<'ROWS'
no display|QT_QPA_PLATFORM=xcb|no display could be opened; run it
no display, no platform asked for||no display could be opened; run it
no server at DISPLAY|DISPLAY=:1999|no display could be opened at DISPLAY=":1999"
no server at WAYLAND_DISPLAY|WAYLAND_DISPLAY=tenvex-none|at WAYLAND_DISPLAY="tenvex-none"
ROWS

output=$(DISPLAY=:0 QT_QPA_PLATFORM=bogus "$program" 2>&1)
status=$?
echo "unknown platform: status $status:"
echo "$output"
[[ $status == 1 ]] || fail "unknown platform: status $status, not 1"
lines=$(wc -l <<<"$output")
((lines >= 1 && lines <= 2)) || fail "unknown platform: $lines lines, not one or two"
[[ $output == *'"bogus"'* ]] || fail "unknown platform: the platform asked for is not named"
[[ $output == *xcb* ]] || fail "unknown platform: the platforms there are not named"
[[ $output != *"no display"* ]] || fail "unknown platform reported as no display"
! $failed
