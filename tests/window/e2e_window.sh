#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the real program on an X server with a window manager and checks, with X tools, that its
# window appears with its client size, centred on the screen with its frame included; then,
# through the accessibility tree, that it shows its initial state with the input's text ready to
# be typed over; and that a long result is announced, and taken whole by selection, Ctrl+C and a
# screen reader.
#   e2e_window.sh PROGRAM DESKTOP_ENTRY
# Exits 77 (skipped) when the tools are not installed.
set -euo pipefail
program=$(realpath "$1")
desktop_entry=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb openbox xdotool xwininfo xprop xclip dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no pyatspi"; exit 77; }

# A session bus of our own, for the accessibility bus.
if [[ -z ${TENVEX_E2E_SESSION:-} ]]; then
    TENVEX_E2E_SESSION=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi

source "$here/../../scripts/x11_session.sh"
trap x11_stop EXIT
readonly screen_width=1280 screen_height=1024
x11_start_display "${screen_width}x${screen_height}"
x11_start_window_manager
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$x11_logs/at-spi.log" 2>&1 &
x11_pids+=($!)

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$x11_logs/program.log" 2>&1 &
x11_pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvid Tenvex$' | head -n 1)

fail() { echo "FAIL: $*"; cat "$x11_logs/program.log"; exit 1; }
read -r width height < <(xwininfo -id "$window" | awk -F: '/Width|Height/ { printf "%d ", $2 } END { print "" }')
[[ $width == 324 && $height == 235 ]] || fail "client area ${width}x${height}, not 324x235"
read -r x y outer_width outer_height < <(x11_frame "$window")
expected_x=$(((screen_width - outer_width) / 2)) expected_y=$(((screen_height - outer_height) / 2))
echo "frame ${outer_width}x${outer_height} at $x,$y; centred is $expected_x,$expected_y"
((x == expected_x && y == expected_y)) || fail "window not centred"

/usr/bin/python3 "$here/e2e_accessibility.py" initial || fail "initial state"

# The input has the focus with its text selected: what the user types first replaces it.
xdotool type --window "$window" --delay 20 -- "7"
sleep 0.3
/usr/bin/python3 "$here/e2e_accessibility.py" input 7 || fail "typing at once does not replace the 1"

# The window's icon, at every size a panel or task switcher may ask for, arrives once it is shown.
icon_sizes() { xprop -len 1000000 -id "$window" _NET_WM_ICON 2>/dev/null | sed -n 's/.*Icon (\([0-9]*\) x \([0-9]*\)).*/\1x\2/p' | sort -n | tr '\n' ' '; }
for _ in $(seq 50); do
    [[ $(icon_sizes) == "16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 " ]] && break
    sleep 0.1
done
[[ $(icon_sizes) == "16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 " ]] \
    || fail "window icon sizes: $(icon_sizes)"
echo "window icon at $(icon_sizes)"

# Docks group the window with its launcher by the window's class.
window_class=$(xprop -id "$window" WM_CLASS | sed 's/.*", "//; s/"$//')
entry_class=$(sed -n 's/^StartupWMClass=//p' "$desktop_entry")
[[ -n $window_class && $window_class == "$entry_class" ]] \
    || fail "window class '$window_class', desktop entry's '$entry_class'"
echo "window class $window_class, as the desktop entry says"

# A result too long for its box, taken by selection, by Ctrl+C and by a screen reader: always
# the whole text. Points are in pixels from the top-left corner of the client area.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.2; }
readonly whole="-1.23456789012345E-300"
# A screen reader listening hears the new result without moving the focus.
/usr/bin/python3 "$here/e2e_accessibility.py" announced "$whole" >"$x11_logs/announced.log" 2>&1 &
listener=$!
for _ in $(seq 100); do
    grep -q listening "$x11_logs/announced.log" && break
    sleep 0.1
done
click 74 92
xdotool key --window "$window" ctrl+a
xdotool type --delay 20 -- "-1.23456789012345e-300"
click 164 200
wait "$listener" || fail "the new result was not announced: $(cat "$x11_logs/announced.log")"
tail -n 1 "$x11_logs/announced.log"
xdotool mousemove --window "$window" 180 92 mousedown 1 mousemove --window "$window" 275 92 \
    mouseup 1
sleep 0.3
selected=$(timeout 5 xclip -o -selection primary 2>/dev/null || true)
[[ $selected == "$whole" ]] || fail "selecting the result gives '$selected', not '$whole'"
xdotool key --window "$window" ctrl+c
sleep 0.3
copied=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
[[ $copied == "$whole" ]] || fail "Ctrl+C on the result gives '$copied', not '$whole'"
echo "selection and Ctrl+C both give $whole"
/usr/bin/python3 "$here/e2e_accessibility.py" result "$whole" || fail "result"
