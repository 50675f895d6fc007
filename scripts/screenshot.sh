#!/usr/bin/env bash
# Takes the README's screenshot: the program under Xvfb and a window manager, after a user has
# converted 2.5 from "Kilo (K)" to "milli (m)". The picture is the window with its frame.
#   scripts/screenshot.sh PROGRAM OUTPUT.png
set -euo pipefail
program=$(realpath "$1")
output=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 800x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 -u "$display_fd" number
export DISPLAY=":$number"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
pids+=($!)
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

read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
info=$(xwininfo -id "$window")
value() { awk -F: -v key="$1" '$1 ~ key { gsub(/ /, "", $2); print $2 }' <<<"$info"; }
x=$(($(value "Absolute upper-left X") - left)) y=$(($(value "Absolute upper-left Y") - top))
width=$(($(value "Width") + left + right)) height=$(($(value "Height") + top + bottom))
import -window root -crop "${width}x${height}+${x}+${y}" +repage "$output"
echo "wrote $output (${width}x${height})"
