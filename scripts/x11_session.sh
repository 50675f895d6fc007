# SPDX-License-Identifier: MIT
# Helpers for scripts that run the program on a display of their own; source it.
#   x11_start_display WIDTHxHEIGHT   an Xvfb server on a free display number; sets DISPLAY
#   x11_start_window_manager         openbox, returning once it manages windows
#   x11_frame WINDOW                 prints the window's outer frame: x y width height
#   x11_stop                         ends what was started
# Logs go to $x11_logs, a scratch folder.

x11_pids=()
x11_logs=$(mktemp -d)

x11_start_display() {
    local fd number
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${1}x24" -nolisten tcp >"$x11_logs/xvfb.log" 2>&1 &
    x11_pids+=($!)
    read -r -t 10 -u "$fd" number
    export DISPLAY=":$number"
}

x11_start_window_manager() {
    openbox >"$x11_logs/openbox.log" 2>&1 &
    x11_pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
        sleep 0.05
    done
}

x11_frame() {
    local info left right top bottom
    info=$(xwininfo -id "$1")
    value() { awk -F: -v key="$1" '$1 ~ key { gsub(/ /, "", $2); print $2 }' <<<"$info"; }
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$(($(value "Absolute upper-left X") - left)) $(($(value "Absolute upper-left Y") - top))" \
        "$(($(value "Width") + left + right)) $(($(value "Height") + top + bottom))"
}

x11_stop() {
    for pid in "${x11_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$x11_logs"
}
