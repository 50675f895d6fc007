#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the README's Windows screenshot: Tenvex.exe under Wine, in a Wine desktop (which draws
# the window's frame as Windows does), after a user has converted 2.5 from "Kilo (K)" to
# "milli (m)" with the keyboard.
#   scripts/screenshot_windows.sh TENVEX.EXE OUTPUT.png
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine=$here/wine.sh
output=$2
source "$here/x11_session.sh"
trap '"$wine" --kill 2>/dev/null; x11_stop' EXIT

x11_start_display 800x600
"$wine" --wait # a Wine session begun without this display would keep the windows off it
"$wine" explorer /desktop=Tenvex,420x330 "$("$wine" winepath -w "$1")" >/dev/null 2>&1 &
desktop=$(timeout 30 xdotool search --sync --onlyvisible --name 'Wine desktop' | head -n 1)
sleep 2
# A click into the input gives the desktop the keyboard; Tab then selects each prefix box's
# text, so that typing replaces it.
xdotool mousemove --window "$desktop" 120 148 click 1
sleep 0.3
type_text() { xdotool type --delay 40 "$1"; sleep 0.2; }
xdotool key End BackSpace
type_text "2.5"
xdotool key Tab && type_text "Kilo (K)"
xdotool key Tab && type_text "milli (m)"
xdotool key Tab space
xdotool mousemove --window "$desktop" 410 320
sleep 0.5
import -window "$desktop" "$output"
echo "wrote $output"
