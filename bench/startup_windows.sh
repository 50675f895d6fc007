#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of Tenvex.exe beside a bare Win32 program showing the same eight controls, under Wine
# on a display of its own with a window manager, as a desktop runs it: the time from process
# start to the window shown, and the peak working set, fastest and median over alternating runs.
#   bench/startup_windows.sh WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
build=$(realpath "$1") runs=${2:-21}
here=$(cd "$(dirname "$0")" && pwd)
wine=$here/../scripts/wine.sh
work=$(mktemp -d)
source "$here/../scripts/x11_session.sh"
trap 'x11_stop; rm -rf "$work"' EXIT
x11_start_display 1280x1024
x11_start_window_manager
"$wine" --wait # a Wine session begun without this display would keep the windows off it
path() { "$wine" winepath -w "$1"; }
probe=$build/bench/startup_probe_win32.exe
ours=$(path "$build/window/Tenvex.exe") bare=$(path "$build/bench/bare_window_win32.exe")
"$wine" "$probe" "$bare" >/dev/null # the first run starts Wine's own services
for _ in $(seq "$runs"); do
    "$wine" "$probe" "$ours" >>"$work/tenvex"
    "$wine" "$probe" "$bare" >>"$work/bare"
done
source "$(dirname "$0")/startup_summary.sh"
startup_summary "$runs" "$work/tenvex" "$work/bare" "bare Win32" "peak working set"
