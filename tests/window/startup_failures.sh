#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# When the window system cannot be started, the program says why in one or two plain lines and
# ends with status 1, never with an abort: without a display, that there is none; with a platform
# that is not installed, Qt's own words on it and on the platforms there are.
#   startup_failures.sh PROGRAM
set -uo pipefail
program=$1
failed=false
fail() { echo "FAIL: $*"; failed=true; }

output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" 2>&1)
status=$?
echo "no display: status $status: $output"
[[ $status == 1 ]] || fail "no display: status $status, not 1"
[[ $(wc -l <<<"$output") == 1 && $output == *"no display"* ]] || fail "no display: not one line"

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
