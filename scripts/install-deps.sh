#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that a task needs and that are missing, and generates the
# comma-decimal locale that the tests use. Quick and silent when everything is there already.
#
#   scripts/install-deps.sh run|test|windows|web|package|bench|fuzz|screenshot ...
#
# Other distributions: install the equivalents of the packages listed below by hand.
set -euo pipefail

declare -A PACKAGES=(
    [run]="g++ make cmake pkg-config libfast-float-dev qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev fonts-liberation2"
    [test]="googletest locales clang-format clang-tidy mmdebstrap xvfb openbox x11-utils xdotool xclip dbus at-spi2-core python3-pyatspi orca gir1.2-atspi-2.0 binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev file lintian"
    [windows]="libfast-float-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 nsis unzip xvfb xdotool"
    [web]="cmake make emscripten nodejs libfast-float-dev googletest chromium chromium-driver python3-selenium"
    [package]="dpkg-dev file g++-mingw-w64-i686 g++-mingw-w64-x86-64 nsis emscripten nodejs"
    [bench]="libbenchmark-dev xvfb"
    [fuzz]="libfast-float-dev clang-14 libclang-rt-14-dev"
    [screenshot]="xvfb openbox x11-utils xdotool imagemagick"
)
# Wanted but not needed: 32-bit Windows programs run under Debian's 32-bit Wine, a package of
# the i386 architecture. Without it the tests of the 32-bit build are skipped, not failed.
declare -A OPTIONAL=([windows]="wine32:i386")
# Tasks that build the program need the packages for running it too.
declare -A NEEDS_RUN=([test]=1 [package]=1 [bench]=1 [screenshot]=1)
# Testing covers the Windows build and the browser's too.
declare -A NEEDS_WINDOWS=([test]=1 [screenshot]=1)
declare -A NEEDS_WEB=([test]=1)

wanted=()
optional=()
need_locale=false
# A task's packages, needed and wanted.
add_task() {
    read -r -a list <<<"${PACKAGES[$1]}"
    wanted+=("${list[@]}")
    read -r -a list <<<"${OPTIONAL[$1]:-}"
    optional+=("${list[@]}")
}
for task in "$@"; do
    [[ -v PACKAGES[$task] ]] || { echo "install-deps: unknown task '$task'" >&2; exit 2; }
    add_task "$task"
    [[ -v NEEDS_RUN[$task] ]] && add_task run
    [[ -v NEEDS_WINDOWS[$task] ]] && add_task windows
    [[ -v NEEDS_WEB[$task] ]] && add_task web
    [[ $task == test ]] && need_locale=true
done

# The packages of LIST... that are not installed.
not_installed() {
    local package status
    for package in $(printf '%s\n' "$@" | sort -u); do
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ $status == "install ok installed" ]] || echo "$package"
    done
}
mapfile -t missing < <(not_installed "${wanted[@]}")
mapfile -t missing_optional < <(not_installed "${optional[@]}")

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

install() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        --allow-downgrades \
        "$@" >/dev/null
}

# The versions of the i386 packages that PACKAGE... needs that have an installed amd64 twin
# (Multi-Arch: same: the two must be of one version), as arguments to apt-get install: the newest
# version both architectures have, for both. The two lists lag each other now and then, the i386
# security index most often, and the candidates then differ.
twin_versions() {
    local twins name best version
    mapfile -t twins < <(apt-cache depends --recurse --no-recommends --no-suggests \
        --no-conflicts --no-breaks --no-replaces --no-enhances "$@" 2>/dev/null |
        grep -E '^[a-z0-9][^ ]*:i386$' | sort -u)
    ((${#twins[@]})) || return 0
    # One look-up each, for every package at once: what is installed, which twins are
    # Multi-Arch: same, and the versions offered for both architectures. Every twin is named,
    # since apt's resolver does not find a version both have by itself.
    declare -A installed origin same offered
    local package arch version source
    while read -r package arch version source; do
        [[ $arch == amd64 ]] || continue
        installed[$package]=$version
        origin[$package]="${source%% *} $version"
    done < <(dpkg-query -W -f='${Package} ${Architecture} ${Version} ${source:Package}\n')
    while read -r name; do same[$name]=1; done < <(apt-cache show --no-all-versions \
        "${twins[@]}" | awk '/^Package:/ { name = $2 } /^Multi-Arch: same/ { print name }')
    while read -r name version; do offered[$name]+=" $version"; done < <(apt-cache madison \
        "${twins[@]}" "${twins[@]%:i386}" | awk -F' [|] ' '{ sub(/:i386$/, "", $1);
            n = split($3, where, " "); print $1, where[n - 1], $2 }' | sort -u |
        awk '{ seen[$1 " " $3]++ } seen[$1 " " $3] == 2 { print $1, $3 }')
    declare -A siblings # what the same source built at the same version moves along with a twin
    for name in "${!same[@]}"; do
        [[ -v installed[$name] && -v offered[$name] ]] || continue
        best=
        for version in ${offered[$name]}; do
            if [[ -z $best ]] || dpkg --compare-versions "$version" gt "$best"; then
                best=$version
            fi
        done
        echo "$name:amd64=$best $name:i386=$best"
        [[ $best == "${installed[$name]}" ]] && continue
        for package in "${!origin[@]}"; do
            [[ ${origin[$package]} == "${origin[$name]}" && ! -v same[$package] ]] &&
                siblings[$package]=$best
        done
    done
    # A development package requires its library's exact version: it moves too, where it can.
    ((${#siblings[@]})) || return 0
    apt-cache madison "${!siblings[@]}" | awk -F' [|] ' '{ gsub(/ /, "", $1); print $1, $2 }' |
        while read -r package version; do
            [[ ${siblings[$package]} == "$version" ]] && echo "$package:amd64=$version"
        done | sort -u
}

if ((${#missing[@]} + ${#missing_optional[@]})); then
    all=("${missing[@]}" "${missing_optional[@]}")
    echo "install-deps: about to install ${all[*]}"
    if [[ " ${missing_optional[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "install-deps: adding the i386 architecture, for the 32-bit Wine"
        as_root dpkg --add-architecture i386
    fi
    # A mirror part-way through a sync fails one index or another for a while: try again, and
    # then go on with what did arrive, since the install says plainly if a package is missing.
    # Only what is wanted but not needed missing, one try is enough.
    attempts=$((${#missing[@]} ? 3 : 1))
    for ((attempt = 1; ; ++attempt)); do
        as_root apt-get update -qq && break
        if ((attempt == attempts)); then
            echo "install-deps: some package lists did not arrive; going on with the rest" >&2
            break
        fi
        sleep 15
    done
    ((${#missing[@]} == 0)) || install "${missing[@]}"
    if ((${#missing_optional[@]})) && ! install "${missing_optional[@]}" \
        $(twin_versions "${missing_optional[@]}"); then
        echo "install-deps: could not install ${missing_optional[*]}; the tests that need it" \
            "will be skipped" >&2
    fi
fi

if $need_locale && ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
    echo "install-deps: generating the de_DE.UTF-8 locale"
    as_root sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
