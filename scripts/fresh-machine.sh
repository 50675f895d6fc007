#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tries the README's first steps on a fresh machine: builds a minimal Debian 12 root from Debian's
# archive (apt and nothing more), and there, as root, installs what the README says a fresh
# machine lacks, clones this repository's last commit and runs `make run`, until the program it
# builds shows its window on an X server of this machine's. A step the README leaves out fails it.
# With --test it then runs the README's second command, `make test`, there too (a quarter of an
# hour and more).
#   scripts/fresh-machine.sh [--test]    needs root, mmdebstrap, Xvfb and xdotool
set -euo pipefail
full=false
[[ ${1:-} == --test ]] && full=true
here=$(cd "$(dirname "$0")" && pwd)
source_tree=$(cd "$here/.." && pwd)
for tool in mmdebstrap Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "fresh-machine: $tool is not installed" >&2; exit 1; }
done
[[ $(id -u) -eq 0 ]] || { echo "fresh-machine: needs root, to make and enter the root" >&2; exit 1; }

work=$(mktemp -d /var/tmp/tenvex-fresh.XXXXXX)
root=$work/root
mounts=()
source "$here/x11_session.sh"
cleanup() {
    x11_stop
    for ((i = ${#mounts[@]} - 1; i >= 0; --i)); do umount -l "${mounts[i]}" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
started=$(date +%s)
say() { echo "fresh-machine: $* ($(($(date +%s) - started)) s)"; }

mmdebstrap --quiet --variant=minbase bookworm "$root" \
    "deb http://deb.debian.org/debian bookworm main" \
    "deb http://deb.debian.org/debian bookworm-updates main" \
    "deb http://deb.debian.org/debian-security bookworm-security main"
say "a minimal Debian 12 root made"

bind() { # bind SOURCE TARGET: SOURCE seen at TARGET in the root
    mkdir -p "$root$2"
    mount --bind "$1" "$root$2"
    mounts+=("$root$2")
}
mount -t proc proc "$root/proc" && mounts+=("$root/proc")
bind /sys /sys
bind /dev /dev
bind /dev/pts /dev/pts
bind "$source_tree" /mnt/tenvex
x11_start_display 800x600
bind /tmp/.X11-unix /tmp/.X11-unix
in_root() { chroot "$root" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }

# The README's first steps, as a new user types them.
in_root sh -c 'apt-get update && apt-get install -y git make' >"$work/first-steps.log" 2>&1 \
    || { cat "$work/first-steps.log"; echo "fresh-machine: FAIL: git and make" >&2; exit 1; }
in_root git clone --quiet /mnt/tenvex /root/tenvex
say "git and make installed, the repository cloned"
in_root sh -c "cd /root/tenvex && DISPLAY=$DISPLAY make run" >"$work/make-run.log" 2>&1 &
run=$!
if ! timeout 1800 xdotool search --sync --onlyvisible --name '^Orvid Tenvex$' >/dev/null; then
    tail -n 40 "$work/make-run.log"
    echo "fresh-machine: FAIL: make run shows no window" >&2
    exit 1
fi
say "make run built the program and it shows its window"
# The program ends make run: the one that runs in this root.
for pid in $(pgrep -x tenvex); do
    [[ $(readlink "/proc/$pid/root") == "$root" ]] && kill "$pid"
done
wait "$run" || true
if $full; then
    in_root sh -c "cd /root/tenvex && make test" >"$work/make-test.log" 2>&1 \
        || { tail -n 60 "$work/make-test.log"; echo "fresh-machine: FAIL: make test" >&2; exit 1; }
    grep -E '^[0-9]+% tests passed|tests passed|Skipped|\*\*\*' "$work/make-test.log" || true
    say "make test passed"
fi
