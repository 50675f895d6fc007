#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without a display the program says so in one line and ends with status 1.
#   no_display.sh PROGRAM
set -uo pipefail
output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$1" 2>&1)
status=$?
echo "status $status: $output"
[[ $status == 1 ]] || { echo "FAIL: status $status, not 1"; exit 1; }
[[ $(wc -l <<<"$output") == 1 && $output == *"no display"* ]] || { echo "FAIL: not one line"; exit 1; }
