#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up of the program beside a bare Qt program showing the same widgets, in the same run, as
# users run it: on a display of their own with a window manager (openbox). The time from process
# start to the window shown and the peak memory by then, over alternating runs, fastest and
# median.
#   bench/startup.sh BUILD_DIR [RUNS] [--no-window-manager]
set -euo pipefail
build=$1 runs=${2:-41} manager=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
probe=$build/bench/startup_probe
work=$(mktemp -d)
source "$here/../scripts/x11_session.sh"
trap 'x11_stop; rm -rf "$work"' EXIT
x11_start_display 1024x768
[[ $manager == --no-window-manager ]] || x11_start_window_manager
# As in a desktop session: a runtime folder of the user's own.
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

for _ in $(seq "$runs"); do
    "$probe" "Orvid Tenvex" "$build/window/tenvex" >>"$work/tenvex"
    "$probe" "Bare Tenvex" "$build/bench/bare_window" >>"$work/bare"
done

source "$here/startup_summary.sh"
startup_summary "$runs" "$work/tenvex" "$work/bare" "bare Qt" "peak memory"
