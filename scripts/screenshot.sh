#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's screenshot: the program under Xvfb and a window manager, after a user has
# converted 2.5 from "Kilo (K)" to "milli (m)". The picture is the window with its frame.
#   scripts/screenshot.sh PROGRAM OUTPUT.png
set -euo pipefail
program=$(realpath "$1")
output=$2
source "$(dirname "$0")/x11_session.sh"
trap x11_stop EXIT

x11_start_display 800x600
x11_start_window_manager
QT_QPA_PLATFORM=xcb "$program" >"$x11_logs/program.log" 2>&1 &
x11_pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvid Tenvex$' | head -n 1)
sleep 0.5

# Clicks at a point of the client area, given in pixels from its top-left corner.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
replace_text() { xdotool key --window "$window" ctrl+a; xdotool type --delay 30 "$1"; sleep 0.2; }
click 74 92 && replace_text "2.5"
click 60 132 && replace_text "Kilo (K)"
click 212 132 && replace_text "milli (m)"
click 164 200
xdotool mousemove 790 590
sleep 0.5

read -r x y width height < <(x11_frame "$window")
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$output"
echo "wrote $output (${width}x${height})"
