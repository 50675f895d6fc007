#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every user scenario of the table against the real Tenvex.exe under Wine, on an X server of
# its own with a window manager, read by our probe.
#   win32_scenarios.sh TABLE PROBE.exe TENVEX.exe
# Exits 77 (skipped) when the tools are not installed or Wine cannot run the build.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine=$here/../../scripts/wine.sh
for tool in Xvfb openbox xdotool xclip wine; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
source "$here/../../scripts/x11_session.sh"
trap x11_stop EXIT
x11_start_display 1280x1024
x11_start_window_manager
"$wine" --wait # a Wine session begun without this display would keep the windows off it
# A build this machine cannot run is skipped, saying why.
status=0
"$wine" "$2" </dev/null || status=$?
((status == 0)) || exit "$status"
PYTHONPATH=$here /usr/bin/python3 "$here/run_scenarios.py" "$1" windows "$2" \
    "$("$wine" winepath -w "$3")" "$wine"
