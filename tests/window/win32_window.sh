#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Windows GUI driver against Tenvex.exe under Wine, on an X server of its own.
#   win32_window.sh DRIVER.exe TENVEX.exe
# Exits 77 (skipped) when the tools are not installed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine=$here/../../scripts/wine.sh
for tool in Xvfb wine; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
source "$here/../../scripts/x11_session.sh"
trap x11_stop EXIT
x11_start_display 1280x1024
"$wine" --wait # a Wine session begun without this display would keep the windows off it
"$wine" "$1" "$("$wine" winepath -w "$2")"
