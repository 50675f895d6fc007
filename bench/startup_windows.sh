#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of Tenvex.exe beside a bare Win32 program showing the same eight controls, under Wine
# on a display of its own: the time from process start to the window shown, and the peak working
# set, as medians over alternating runs.
#   bench/startup_windows.sh WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
build=$(realpath "$1") runs=${2:-21}
here=$(cd "$(dirname "$0")" && pwd)
wine=$here/../scripts/wine.sh
work=$(mktemp -d)
source "$here/../scripts/x11_session.sh"
trap 'x11_stop; rm -rf "$work"' EXIT
x11_start_display 1280x1024
"$wine" --wait # a Wine session begun without this display would keep the windows off it
path() { "$wine" winepath -w "$1"; }
probe=$build/bench/startup_probe_win32.exe
ours=$(path "$build/window/Tenvex.exe") bare=$(path "$build/bench/bare_window_win32.exe")
"$wine" "$probe" "$bare" >/dev/null # the first run starts Wine's own services
for _ in $(seq "$runs"); do
    "$wine" "$probe" "$ours" >>"$work/tenvex"
    "$wine" "$probe" "$bare" >>"$work/bare"
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
read -r time_ours < <(cut -d' ' -f1 "$work/tenvex" | median)
read -r time_bare < <(cut -d' ' -f1 "$work/bare" | median)
read -r memory_ours < <(cut -d' ' -f2 "$work/tenvex" | median)
read -r memory_bare < <(cut -d' ' -f2 "$work/bare" | median)
printf '%-22s %12s %12s %8s\n' "start-up, $runs runs" "Tenvex" "bare Win32" "ratio"
awk -v a="$time_ours" -v b="$time_bare" \
    'BEGIN { printf "%-22s %9.1f ms %9.1f ms %8.3f\n", "time to window shown", a, b, a / b }'
awk -v a="$memory_ours" -v b="$memory_bare" \
    'BEGIN { printf "%-22s %8d KiB %8d KiB %8.3f\n", "peak working set", a, b, a / b }'
