#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the program beside a bare Qt program showing the same widgets, in the same run:
# the time from process start to the window shown, and the peak memory by then, as medians over
# alternating runs on a display of their own.
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$1 runs=${2:-21}
probe=$build/bench/startup_probe
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 -u "$display_fd" number
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb

for _ in $(seq "$runs"); do
    "$probe" "Orvid Tenvex" "$build/window/tenvex" >>"$work/tenvex"
    "$probe" "Bare Tenvex" "$build/bench/bare_window" >>"$work/bare"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
read -r time_ours < <(cut -d' ' -f1 "$work/tenvex" | median)
read -r time_bare < <(cut -d' ' -f1 "$work/bare" | median)
read -r memory_ours < <(cut -d' ' -f2 "$work/tenvex" | median)
read -r memory_bare < <(cut -d' ' -f2 "$work/bare" | median)
printf '%-22s %12s %12s %8s\n' "start-up, $runs runs" "Tenvex" "bare Qt" "ratio"
awk -v a="$time_ours" -v b="$time_bare" \
    'BEGIN { printf "%-22s %9.1f ms %9.1f ms %8.3f\n", "time to window shown", a, b, a / b }'
awk -v a="$memory_ours" -v b="$memory_bare" \
    'BEGIN { printf "%-22s %8d KiB %8d KiB %8.3f\n", "peak memory", a, b, a / b }'
