#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the program beside a bare Qt program showing the same widgets, in the same run:
# the time from process start to the window shown, and the peak memory by then, as medians over
# alternating runs on a display of their own.
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$1 runs=${2:-21}
here=$(cd "$(dirname "$0")" && pwd)
probe=$build/bench/startup_probe
work=$(mktemp -d)
source "$here/../scripts/x11_session.sh"
trap 'x11_stop; rm -rf "$work"' EXIT
x11_start_display 1024x768
export QT_QPA_PLATFORM=xcb

for _ in $(seq "$runs"); do
    "$probe" "Orvid Tenvex" "$build/window/tenvex" >>"$work/tenvex"
    "$probe" "Bare Tenvex" "$build/bench/bare_window" >>"$work/bare"
done

source "$here/startup_summary.sh"
startup_summary "$runs" "$work/tenvex" "$work/bare" "bare Qt" "peak memory"
