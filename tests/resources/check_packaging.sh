#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks what the build installs and packages.
#   check_packaging.sh install BUILD_DIR APP_ID    install into a scratch DESTDIR: exactly the
#                                                  expected files, entry and metainfo valid
#   check_packaging.sh resources BUILD_DIR         the Windows resource script compiles and holds
#                                                  the version block, the icon and the manifest
#   check_packaging.sh deb BUILD_DIR APP_ID [hardened|unhardened]
#                                                  the Debian package: fields, contents, an
#                                                  install and removal with dpkg in a scratch
#                                                  root, lintian clean (pedantic), full RELRO,
#                                                  hardened, stripped
set -euo pipefail
mode=$1 build=$(realpath "$2") app_id=${3:-} hardening=${4:-hardened}
tree=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
require() { command -v "$1" >/dev/null || { echo "skipped: $1 is not installed"; exit 77; }; }

expected_files() {
    local prefix=$1
    printf '%s\n' "$prefix/bin/tenvex" \
        "$prefix/share/applications/$app_id.desktop" \
        "$prefix/share/metainfo/$app_id.metainfo.xml" \
        "$prefix/share/man/man1/tenvex.1.gz" \
        "$prefix/share/doc/tenvex/changelog.gz" \
        "$prefix/share/doc/tenvex/copyright"
    for size in 16 22 24 32 48 64 128 256; do
        echo "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
}

case $mode in
install)
    require desktop-file-validate
    require appstreamcli
    DESTDIR=$work/root cmake --install "$build" --prefix /opt/tenvex >/dev/null
    diff <(cd "$work/root" && find . -type f | sed 's/^\.//' | sort) \
        <(expected_files /opt/tenvex | sort) || fail "installed files differ (< installed, > expected)"
    share=$work/root/opt/tenvex/share
    report=$(desktop-file-validate "$share/applications/$app_id.desktop" 2>&1) \
        || fail "desktop entry: $report"
    [[ -z $report ]] || fail "desktop entry: $report"
    grep -qx "Exec=tenvex" "$share/applications/$app_id.desktop" || fail "Exec is not the program"
    grep -qx "Icon=$app_id" "$share/applications/$app_id.desktop" || fail "Icon is not the app ID"
    report=$(appstreamcli validate --no-net --pedantic "$share/metainfo/$app_id.metainfo.xml" 2>&1) \
        || fail "metainfo: $report"
    # Debian 12's appstreamcli predates the <developer> element that current software centres
    # read (it replaced <developer_name>), and notes it as unknown; anything else fails.
    grep '^[EWIP]:' <<<"$report" | grep -qv 'unknown-tag developer$' && fail "metainfo: $report"
    for size in 16 22 24 32 48 64 128 256; do
        file "$share/icons/hicolor/${size}x${size}/apps/$app_id.png" \
            | grep -q "PNG image data, $size x $size, 8-bit/color RGB," || fail "icon $size"
    done
    echo "installed exactly $(expected_files x | wc -l) files; desktop entry and metainfo valid"
    ;;
resources)
    require x86_64-w64-mingw32-windres
    windres() { x86_64-w64-mingw32-windres --preprocessor=cpp "$@"; }
    windres "$build/resources/tenvex.rc" -O coff -o "$work/tenvex.o" || fail "the script does not compile"
    windres "$build/resources/tenvex.rc" -O res -o "$work/tenvex.res"
    windres -i "$work/tenvex.res" -o "$work/decompiled.rc"
    for line in 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' 'BLOCK "040904B0"' \
        'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
        'VALUE "CompanyName", "Orvid"' 'VALUE "ProductName", "Tenvex"' \
        'VALUE "InternalName", "Tenvex"' 'VALUE "OriginalFilename", "Tenvex.exe"' \
        'VALUE "FileDescription", "Tenvex"' 'VALUE "LegalCopyright", "Copyright (c) 2026 Orvid"' \
        'VALUE "Translation", 0x409, 1200' '1 14 /\* RT_GROUP_ICON \*/' \
        '1 24 /\* RT_MANIFEST \*/'; do
        grep -q "^ *$line" "$work/decompiled.rc" || fail "compiled resources lack: $line"
    done
    [[ $(grep -c '^ *VALUE "' "$work/decompiled.rc") == 9 ]] || fail "strings other than the eight"
    # The manifest, which Windows refuses to start a program over when it is not well-formed: no
    # elevation, and the screens' DPI told to the program rather than stretched by the system.
    python3 - "$tree/resources/tenvex.manifest" <<'END' || fail "the manifest is not well-formed or lacks a setting"
import sys
import xml.etree.ElementTree as tree
root = tree.parse(sys.argv[1]).getroot()
found = {element.tag.split('}')[1]: (element.text or '').strip() or element.get('level', '')
         for element in root.iter()}
assert found['requestedExecutionLevel'] == 'asInvoker', found
assert found['dpiAwareness'] == 'PerMonitorV2', found
END
    file "$build/resources/icons/tenvex.ico" | grep -q '1 icon, 32x32, 24 bits/pixel' \
        || fail "the .ico is not one 32x32 picture at 24 bits per pixel"
    # The Windows build compiles in the committed icon: it must be the one the design draws.
    cmp -s "$build/resources/icons/tenvex.ico" "$tree/resources/tenvex.ico" \
        || fail "resources/tenvex.ico differs from the drawn icon: copy $build/resources/icons/tenvex.ico there"
    # The web build, which cannot draw, takes its favicon and its installed icon from here.
    for size in 32 256; do
        cmp -s "$build/resources/icons/tenvex-$size.png" "$tree/resources/tenvex-$size.png" \
            || fail "resources/tenvex-$size.png differs from the drawn icon: copy $build/resources/icons/tenvex-$size.png there"
    done
    echo "resource script compiles with the version block and the icon"
    ;;
deb)
    require dpkg-deb
    require dpkg-shlibdeps
    require lintian
    (cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) \
        || { cat "$work/cpack.log"; fail "cpack"; }
    package=$(echo "$work"/out/tenvex_*.deb)
    field() { dpkg-deb -f "$package" "$1"; }
    [[ $(field Package) == tenvex && $(field Version) == 1.0.0 ]] || fail "name or version"
    [[ $(field Section) == utils && -n $(field Maintainer) ]] || fail "section or maintainer"
    depends=$(field Depends)
    for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
        grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
    done
    for dependency in $(sed 's/([^)]*)//g; s/,/ /g' <<<"$depends"); do
        dpkg-query -W "$dependency" >/dev/null 2>&1 || fail "no package $dependency here"
    done
    diff <(dpkg-deb -c "$package" | awk '$1 !~ /^d/ { print substr($6, 2) }' | sort) \
        <(expected_files /usr | sort) || fail "package contents differ"

    root=$work/root
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
    touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
    dpkg=(dpkg --root="$root" --force-script-chrootless --force-not-root --log=/dev/null)
    "${dpkg[@]}" --force-depends -i "$package" >"$work/dpkg.log" 2>&1 \
        || { cat "$work/dpkg.log"; fail "dpkg -i"; }
    [[ -x $root/usr/bin/tenvex ]] || fail "not installed"
    "${dpkg[@]}" -r tenvex >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r"; }
    [[ -z $(find "$root/usr" -type f 2>/dev/null) ]] || fail "files left after removal"

    # What Debian's own checker says of it: nothing, not even a pedantic remark or a note.
    report=$(lintian --pedantic --display-info --tag-display-limit 0 "$package" 2>&1 \
        | grep -v '^running with root' || true)
    [[ $hardening == hardened ]] || report=$(grep -v ' hardening-no-' <<<"$report" || true)
    grep -q '^[EWIPX]:' <<<"$report" && fail "lintian: $report"
    dpkg-deb -x "$package" "$work/contents"
    program=$work/contents/usr/bin/tenvex
    readelf -lW "$program" | grep -q GNU_RELRO || fail "no RELRO"
    readelf -dW "$program" | grep -Eq 'BIND_NOW|FLAGS.*NOW' || fail "no BIND_NOW"
    file "$program" | grep -q ', stripped' || fail "not stripped"
    # Built with Debian's hardening flags: the stack protector and _FORTIFY_SOURCE's checked calls.
    if [[ $hardening == hardened ]]; then
        symbols=$(readelf --dyn-syms -W "$program")
        grep -q '__stack_chk_fail' <<<"$symbols" || fail "built without the stack protector"
        grep -Eq '__[a-z]+_chk@' <<<"$symbols" || fail "built without _FORTIFY_SOURCE"
    fi
    echo "$(basename "$package"): $(stat -c %s "$package") bytes, installs and removes cleanly"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
