#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that a task needs and that are missing, and generates the
# comma-decimal locale that the tests use. Quick and silent when everything is there already.
#
#   scripts/install-deps.sh run|test|windows|bench|fuzz|screenshot ...
#
# Other distributions: install the equivalents of the packages listed below by hand.
set -euo pipefail

declare -A PACKAGES=(
    [run]="g++ make cmake pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev fonts-liberation2"
    [test]="googletest locales clang-format clang-tidy mmdebstrap xvfb openbox x11-utils xdotool xclip dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev file lintian"
    [windows]="g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386 nsis unzip xvfb xdotool"
    [bench]="libbenchmark-dev xvfb"
    [fuzz]="clang-14 libclang-rt-14-dev"
    [screenshot]="xvfb openbox x11-utils xdotool imagemagick"
)
# Tasks that build the program need the packages for running it too.
declare -A NEEDS_RUN=([test]=1 [bench]=1 [screenshot]=1)
# Testing covers the Windows build too.
declare -A NEEDS_WINDOWS=([test]=1 [screenshot]=1)

wanted=()
need_locale=false
for task in "$@"; do
    [[ -v PACKAGES[$task] ]] || { echo "install-deps: unknown task '$task'" >&2; exit 2; }
    read -r -a list <<<"${PACKAGES[$task]}"
    wanted+=("${list[@]}")
    if [[ -v NEEDS_RUN[$task] ]]; then
        read -r -a list <<<"${PACKAGES[run]}"
        wanted+=("${list[@]}")
    fi
    if [[ -v NEEDS_WINDOWS[$task] ]]; then
        read -r -a list <<<"${PACKAGES[windows]}"
        wanted+=("${list[@]}")
    fi
    [[ $task == test ]] && need_locale=true
done

missing=()
for package in $(printf '%s\n' "${wanted[@]}" | sort -u); do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done

as_root() {
    if [[ $(id -u) -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "install-deps: need root (or sudo) to run: $*" >&2
        exit 1
    fi
}

if ((${#missing[@]})); then
    echo "install-deps: about to install ${missing[*]}"
    # 32-bit Windows programs run under Debian's 32-bit Wine, a package of the i386 architecture.
    if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "install-deps: adding the i386 architecture, for the 32-bit Wine"
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
fi

if $need_locale && ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
    echo "install-deps: generating the de_DE.UTF-8 locale"
    as_root sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
