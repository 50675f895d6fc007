#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Windows packages of a build: the ZIP holds the program, the README and the licence;
# the installer, under Wine, installs silently (program, Start-menu entry, an entry in the list of
# installed programs with version and publisher), the installed program starts, and the silent
# uninstall leaves nothing behind.
#   check_windows_packages.sh BUILD_DIR
# Exits 77 (skipped) when the tools are not installed.
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
for tool in makensis wine Xvfb xdotool unzip; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
source "$here/../../scripts/x11_session.sh"
trap 'x11_stop; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G "ZIP;NSIS" -B "$work/out" >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log"; fail "cpack"; }
zip=$(echo "$work"/out/Tenvex-*.zip)
installer=$(echo "$work"/out/Tenvex-*.exe)
diff <(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | sort) <(printf '%s\n' LICENSE.txt README.txt Tenvex.exe) \
    || fail "the ZIP holds other files (< ZIP, > expected)"
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes; $(basename "$installer"): $(stat -c %s "$installer") bytes"

# A Wine prefix of its own, so that what the installer leaves is all that is there.
export TENVEX_WINEPREFIX=$work/prefix
wine=$here/../../scripts/wine.sh
x11_start_display 1024x768
"$wine" wineboot --init >/dev/null 2>&1
drive=$TENVEX_WINEPREFIX/drive_c
before=$(cd "$drive" && find . | sort)
# The registry keys of the machine that hold TEXT, as Wine keeps them on disk once its server
# has ended.
registry() {
    "$wine" --wait
    awk -v RS= -v text="$1" 'index($0, text)' "$TENVEX_WINEPREFIX/system.reg"
}

"$wine" "$installer" /S
program=$(find "$drive" -name Tenvex.exe -path '*Tenvex*' | head -n 1)
[[ -n $program ]] || fail "the installer put no Tenvex.exe in place"
[[ -n $(find "$drive" -name 'Tenvex.lnk') ]] || fail "no Start-menu entry"
entry=$(registry Orvid)
grep -q 'Publisher.*Orvid' <<<"$entry" || fail "no installed-programs entry with publisher Orvid"
grep -q 'DisplayVersion.*1\.0\.0' <<<"$entry" || fail "the installed-programs entry lacks the version"
echo "installed: ${program#"$drive"/}, Start-menu entry, installed-programs entry"

"$wine" "$program" >/dev/null 2>&1 &
started=$!
shown=true
timeout 30 xdotool search --sync --onlyvisible --name '^Orvid Tenvex$' >/dev/null || shown=false
"$wine" --kill
wait "$started" || true
$shown || fail "the installed program shows no window"
echo "the installed program starts"

uninstaller=$(dirname "$program")/Uninstall.exe
[[ -f $uninstaller ]] || fail "no uninstaller"
"$wine" "$uninstaller" /S
# The uninstaller runs from a copy of itself and returns before it is done.
for _ in $(seq 150); do
    [[ -e $program || -e $uninstaller ]] || break
    sleep 0.2
done
left=$(comm -13 <(echo "$before") <(cd "$drive" && find . | sort) | grep -iv -e '/temp' -e 'windows/' || true)
[[ -z $left ]] || fail "left after uninstalling: $left"
left_keys=$(registry Orvid)
[[ -z $left_keys ]] || fail "registry keys left after uninstalling: $left_keys"
echo "the silent uninstall leaves nothing behind"
