#!/usr/bin/env bash
# Starts the real program on an X server with a window manager and checks, with X tools, that its
# window appears with its title and client size, centred on the screen with its frame included;
# then, through the accessibility tree, that it shows its initial state.
#   e2e_window.sh PROGRAM
# Exits 77 (skipped) when the tools are not installed.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb openbox xdotool xwininfo xprop dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no pyatspi"; exit 77; }

# A session bus of our own, for the accessibility bus.
if [[ -z ${TENVEX_E2E_SESSION:-} ]]; then
    TENVEX_E2E_SESSION=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi

readonly screen_width=1280 screen_height=1024
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it to the fd.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 -u "$display_fd" number
export DISPLAY=":$number"

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvid Tenvex$' | head -n 1)

fail() { echo "FAIL: $*"; cat "$work/program.log"; exit 1; }
info=$(xwininfo -id "$window")
value() { awk -F: -v key="$1" '$1 ~ key { gsub(/ /, "", $2); print $2 }' <<<"$info"; }
client_x=$(value "Absolute upper-left X") client_y=$(value "Absolute upper-left Y")
width=$(value "Width") height=$(value "Height")
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')

[[ $width == 324 && $height == 235 ]] || fail "client area ${width}x${height}, not 324x235"
outer_x=$((client_x - left)) outer_y=$((client_y - top))
outer_width=$((width + left + right)) outer_height=$((height + top + bottom))
expected_x=$(((screen_width - outer_width) / 2)) expected_y=$(((screen_height - outer_height) / 2))
echo "frame ${outer_width}x${outer_height} at ${outer_x},${outer_y}; centred is ${expected_x},${expected_y}"
((outer_x == expected_x && outer_y == expected_y)) || fail "window not centred"

/usr/bin/python3 "$here/e2e_accessibility.py" || fail "initial state"
