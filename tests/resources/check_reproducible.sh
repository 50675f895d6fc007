#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the program and its packages twice, from copies of the sources in two folders of
# different names and depths, and checks that the two are the same to the bit: the program, and
# the .deb on Linux; Tenvex.exe, the ZIP and the installer on Windows; the program, its page and
# the site's ZIP in the browser.
#   check_reproducible.sh SOURCE_DIR BUILD_DIR [TOOLCHAIN_FILE]
# BUILD_DIR (the build running this test) is left out of the copies.
set -euo pipefail
source=$(realpath "$1")
build=$(realpath "$2")
toolchain=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [[ $toolchain == *emscripten* ]]; then
    artefacts=(build/site/index.wasm build/site/index.html 'out/*.zip')
    generators=ZIP
elif [[ -n $toolchain ]]; then
    artefacts=(build/window/Tenvex.exe 'out/*.zip' 'out/*.exe')
    generators="ZIP;NSIS"
else
    artefacts=(build/window/tenvex 'out/*.deb')
    generators=DEB
fi

build_copy() {
    local copy=$1
    mkdir -p "$copy"
    tar -C "$source" --exclude='./build*' --exclude=./.git --exclude=./packages \
        --exclude="./${build#"$source"/}" -cf - . | tar -C "$copy" -xf -
    local options=(-DBUILD_TESTING=OFF)
    [[ -n $toolchain ]] && options+=("-DCMAKE_TOOLCHAIN_FILE=$copy/$toolchain")
    {
        cmake -S "$copy" -B "$copy/build" "${options[@]}" &&
            cmake --build "$copy/build" -j "$(nproc)" &&
            (cd "$copy/build" && cpack -G "$generators" -B "$copy/out")
    } >"$copy.log" 2>&1 || { cat "$copy.log"; fail "building in $copy"; }
    # The patterns are expanded in the copy.
    # shellcheck disable=SC2068
    (cd "$copy" && sha256sum ${artefacts[@]})
}

first=$(build_copy "$work/a/tenvex")
second=$(build_copy "$work/another/folder/tenvex-copy")
echo "$first"
[[ $(wc -l <<<"$first") == "${#artefacts[@]}" ]] || fail "not every artefact was built"
diff <(echo "$first") <(echo "$second") || fail "the two builds differ (< first, > second)"
echo "built twice in two folders: the same to the bit"
