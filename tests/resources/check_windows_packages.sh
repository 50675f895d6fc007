#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Windows packages of a build as a user meets them. The ZIP holds the program, short
# notes for its users and the licence, with Windows line ends. The installer, built for the
# program's machine and with a version block of its own, is run under Wine: silently for every
# user, again as an upgrade (into the folder of the installed version), with Enter on every page
# as a user would (the last page's "Run Tenvex" then starts the program), into a folder of the
# user's choosing that an upgrade then keeps, and for the current user alone. Each time the
# folder holds the program's files alone, the program starts, there is one Start-menu entry and
# an entry in the list of installed programs with all its values, and the silent uninstall
# leaves nothing behind.
#   check_windows_packages.sh BUILD_DIR UNINSTALL_KEY
# UNINSTALL_KEY is the registry key, below the machine's or the user's software, under which
# Windows lists the installed programs.
# Exits 77 (skipped) when the tools are not installed or Wine cannot run the installer here.
set -euo pipefail
build=$(realpath "$1") installed_programs=$2
here=$(cd "$(dirname "$0")" && pwd)
for tool in makensis wine Xvfb xdotool unzip file; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
source "$here/../../scripts/x11_session.sh"
# The Wine server ends before its prefix goes.
trap '[[ ! -d $work/prefix ]] || "$wine" --kill || true; x11_stop; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G "ZIP;NSIS" -B "$work/out" >"$work/cpack.log" 2>&1) \
    || { cat "$work/cpack.log"; fail "cpack"; }
zip=$(echo "$work"/out/Tenvex-*.zip)
installer=$(echo "$work"/out/Tenvex-*.exe)
diff <(unzip -Z1 "$zip" | sed 's|^[^/]*/||' | sort) <(printf '%s\n' LICENSE.txt README.txt Tenvex.exe) \
    || fail "the ZIP holds other files (< ZIP, > expected)"
unzip -q "$zip" -d "$work/zip"
for text in README.txt LICENSE.txt; do
    file=$(echo "$work"/zip/*/"$text")
    lines=$(wc -l <"$file")
    [[ $lines -gt 3 && $(grep -c $'\r$' "$file") -eq $lines ]] || fail "$text has lines without Windows line ends"
done
readme=$(echo "$work"/zip/*/README.txt)
grep -q 'Windows 10' "$readme" || fail "README.txt does not say which Windows it needs"
! grep -qi -e 'cmake' -e 'make test' "$readme" || fail "README.txt is the developers' README"
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes, the notes and the licence with Windows line ends"

# The machine a program is built for, as `file` names it: x86-64 or Intel 80386.
machine() { file -b "$1" | grep -oE 'x86-64|Intel 80386' | head -n 1; }
program_machine=$(machine "$(echo "$work"/zip/*/Tenvex.exe)")
[[ $(machine "$installer") == "$program_machine" ]] \
    || fail "the installer is built for $(machine "$installer"), the program for $program_machine"
version_block=$(strings -el "$installer")
for value in 'Tenvex Setup' 'Copyright (c) 2026 Orvid' 'Orvid' '1.0.0'; do
    grep -qxF "$value" <<<"$version_block" || fail "the installer's version block lacks $value"
done
echo "$(basename "$installer"): $(stat -c %s "$installer") bytes, for $program_machine, with a version block"

# A Wine prefix of its own, so that what the installer leaves is all that is there.
wine=$here/../../scripts/wine.sh
export TENVEX_WINEPREFIX=$work/prefix
x11_start_display 1024x768
"$wine" wineboot --init >/dev/null 2>&1
drive=$TENVEX_WINEPREFIX/drive_c
before=$(cd "$drive" && find . | sort)
status=0
"$wine" "$installer" /S || status=$?
((status != 77)) || { echo "skipped: Wine cannot run the installer here"; exit 77; }
((status == 0)) || fail "the silent install ends with status $status"

# One registry key, as Wine keeps it on disk once its server has ended: HIVE is system (the
# machine's) or user (the current user's).
registry_key() {
    "$wine" --wait
    key="[$2]" awk -v RS= 'index($0, ENVIRON["key"]) == 1' "$TENVEX_WINEPREFIX/$1.reg"
}
# A 64-bit program is listed in the registry's 64-bit view and installed in the 64-bit Program
# Files; a 32-bit one in the 32-bit view and folder of 64-bit Windows.
# Wine's registry files write each backslash of a key twice.
reg_key() { echo "${1//\\/\\\\}"; }
if [[ $program_machine == x86-64 ]]; then
    uninstall_key=$(reg_key "$installed_programs\\Tenvex")
    machine_folder='Program Files/Tenvex'
else
    # The 32-bit view is a key of its own right below Software.
    below_software=${installed_programs#*\\}
    uninstall_key=$(reg_key "Software\\Wow6432Node\\$below_software\\Tenvex")
    machine_folder='Program Files (x86)/Tenvex'
fi
# HIVE FOLDER: the program installed in FOLDER (a path in Wine's C: drive) and registered there.
check_installed() {
    local hive=$1 folder=$2 windows_folder entry value shortcuts
    diff <(ls "$drive/$folder") <(printf '%s\n' LICENSE.txt README.txt Tenvex.exe Uninstall.exe) \
        || fail "C:/$folder holds other files (< there, > expected)"
    shortcuts=$(cd "$drive" && find . -iname '*.lnk' -ipath '*start menu*' | sort)
    [[ $shortcuts == *"/Tenvex.lnk" && $(wc -l <<<"$shortcuts") -eq 1 ]] \
        || fail "the Start menu holds other than one entry, Tenvex: $shortcuts"
    entry=$(registry_key "$hive" "$uninstall_key")
    [[ -n $entry ]] || fail "no entry in the list of installed programs (64-bit view, $hive)"
    windows_folder="C:\\\\${folder//\//\\\\}"
    for value in '"DisplayName"="Tenvex"' '"DisplayVersion"="1.0.0"' '"Publisher"="Orvid"' \
        "\"InstallLocation\"=\"$windows_folder\"" \
        "\"DisplayIcon\"=\"$windows_folder\\\\Tenvex.exe\"" \
        "\"QuietUninstallString\"=\"\\\"$windows_folder\\\\Uninstall.exe\\\" /S" \
        '"NoModify"=dword:00000001' '"NoRepair"=dword:00000001' '"EstimatedSize"=dword:0000'; do
        grep -qF "$value" <<<"$entry" || fail "the installed-programs entry lacks $value: $entry"
    done
    "$wine" "$drive/$folder/Tenvex.exe" >/dev/null 2>&1 &
    local started=$! shown=true
    timeout 30 xdotool search --sync --onlyvisible --name '^Orvid Tenvex$' >/dev/null || shown=false
    "$wine" --kill
    wait "$started" || true
    $shown || fail "the program installed in C:/$folder shows no window"
}
# FOLDER: the silent uninstall of the program in FOLDER leaves nothing behind.
check_uninstalled() {
    local uninstaller=$drive/$1/Uninstall.exe left
    "$wine" "$uninstaller" /S
    # The uninstaller runs from a copy of itself and returns before it is done.
    for _ in $(seq 150); do
        [[ -e $uninstaller ]] || break
        sleep 0.2
    done
    # Everything the installer makes is named for the program: its folder and its shortcut.
    left=$(comm -13 <(echo "$before") <(cd "$drive" && find . | sort) | grep -i tenvex || true)
    [[ -z $left ]] || fail "left after uninstalling from C:/$1: $left"
    for hive in system user; do
        left=$("$wine" --wait; grep -i -e 'Orvid' -e 'Uninstall\\\\Tenvex' "$TENVEX_WINEPREFIX/$hive.reg" || true)
        [[ -z $left ]] || fail "left in the registry ($hive) after uninstalling: $left"
    done
}

check_installed system "$machine_folder"
echo "installed for every user into C:/$machine_folder; it starts; the Start menu and the list of installed programs hold it"
"$wine" "$installer" /S
check_installed system "$machine_folder"
echo "installed again over it: the same folder, one entry of each"
check_uninstalled "$machine_folder"
echo "the silent uninstall leaves nothing behind"

# As a user installs it: Enter on each page takes the default (every user, the licence agreed,
# the proposed folder), and the last page's "Run Tenvex", ticked, starts the program.
"$wine" "$installer" >/dev/null 2>&1 &
setup=$!
ran=false
pages=()
for _ in $(seq 90); do
    if xdotool search --onlyvisible --name '^Orvid Tenvex$' >/dev/null 2>&1; then
        ran=true
        break
    fi
    # Each page's title is the installer's name and a blank.
    page=$(xdotool search --onlyvisible --name '^Tenvex Setup' 2>/dev/null | head -n 1 || true)
    if [[ -n $page ]]; then
        pages+=("$(xdotool getwindowname "$page" 2>/dev/null || true)")
        timeout 5 xdotool windowfocus --sync "$page" key Return 2>/dev/null || true
    fi
    sleep 1
done
"$wine" --kill
wait "$setup" || true
$ran || fail "Enter on every page of the installer does not end in Tenvex running (${#pages[@]} presses)"
check_installed system "$machine_folder"
check_uninstalled "$machine_folder"
echo "installed with Enter on every page; the last page's \"Run Tenvex\" starts it; uninstalled"

# A folder in a place of the user's own, which the uninstall leaves.
mkdir "$drive/Apps"
before=$(cd "$drive" && find . | sort)
chosen='Apps/Tenvex'
"$wine" "$installer" /S '/D=C:\Apps\Tenvex'
check_installed system "$chosen"
"$wine" "$installer" /S
check_installed system "$chosen"
[[ ! -e "$drive/$machine_folder" ]] || fail "an upgrade went into C:/$machine_folder, not the installed version's folder"
check_uninstalled "$chosen"
echo "installed into a folder of the user's choosing, which an upgrade keeps; uninstalled"

"$wine" "$installer" /S /CurrentUser
user_folder=$(cd "$drive" && find users -ipath '*/appdata/local/programs/tenvex' -type d | head -n 1)
[[ -n $user_folder ]] || fail "the install for the current user is not in their AppData\\Local\\Programs"
check_installed user "$user_folder"
check_uninstalled "$user_folder"
echo "installed for the current user alone into C:/$user_folder; uninstalled"
