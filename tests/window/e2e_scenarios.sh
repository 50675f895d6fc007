#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every user scenario of the table against the real program on an X server with a window
# manager, an accessibility bus and Orca, the screen reader, listening.
#   e2e_scenarios.sh TABLE PROGRAM
# Exits 77 (skipped) when the tools are not installed.
set -euo pipefail
table=$(realpath "$1")
program=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb openbox xdotool xclip dbus-run-session orca /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no pyatspi"; exit 77; }

# A session bus of our own, for the accessibility bus.
if [[ -z ${TENVEX_E2E_SESSION:-} ]]; then
    TENVEX_E2E_SESSION=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi

source "$here/../../scripts/x11_session.sh"
trap x11_stop EXIT
x11_start_display 1280x1024
x11_start_window_manager
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$x11_logs/at-spi.log" 2>&1 &
x11_pids+=($!)
# Orca with settings of its own, no braille display and no windows of its own.
/usr/bin/python3 "$here/orca_logged.py" "$x11_logs/orca.log" -u "$x11_logs/orca-settings" \
    -d braille -d main-window -d splash-window >"$x11_logs/orca.out" 2>&1 &
x11_pids+=($!)
for _ in $(seq 100); do
    grep -q "SPEECH OUTPUT" "$x11_logs/orca.log" 2>/dev/null && break
    sleep 0.1
done
export PYTHONPATH=$here
/usr/bin/python3 "$here/run_scenarios.py" "$table" linux "$program" "$x11_logs/orca.log"
