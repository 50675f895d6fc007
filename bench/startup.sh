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

source "$(dirname "$0")/startup_summary.sh"
startup_summary "$runs" "$work/tenvex" "$work/bare" "bare Qt" "peak memory"
