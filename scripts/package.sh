#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds every package into packages/: the Debian package from the Linux build, the ZIP and the
# installer of both Windows builds, and the static site's ZIP from the browser build; then writes
# SHA256SUMS beside them. Each build folder is
# configured without tests, as the packages are built for release.
#   scripts/package.sh [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${1:-$(nproc)}
out=$PWD/packages
rm -rf "$out"
mkdir -p "$out"

# FOLDER GENERATORS [CMAKE OPTIONS...]
package() {
    local folder=$1 generators=$2
    shift 2
    cmake -S . -B "$folder" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$folder" -j "$jobs"
    (cd "$folder" && cpack -G "$generators" -B "$out")
}
package build-package "DEB"
for arch in x86_64 i686; do
    package "build-package-windows-$arch" "ZIP;NSIS" \
        "-DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-$arch.cmake"
done
package build-package-web ZIP -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/emscripten.cmake
rm -rf "$out/_CPack_Packages"
(cd "$out" && sha256sum -- *.deb *.zip *.exe >SHA256SUMS && cat SHA256SUMS)
