#!/bin/bash
# Builds the release packages: dist/kelvara-<version>-win64.zip and
# -win32.zip, each with kelvara.exe and the Chinese user guide, and
# dist/SHA256SUMS. Two runs on the same commit give byte-identical files.
# Usage: release.sh [OUT_DIR [BUILD_ROOT]]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-dist}")
build_root=$(realpath -m "${2:-build/release}")
bash scripts/setup.sh >/dev/null

version=$(sed -n 's/^project(kelvara VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# Every file in the zips carries the time of the commit, not of the build.
epoch=$(git log -1 --format=%ct 2>/dev/null || echo 1765411200)

rm -rf "$out"
mkdir -p "$out"
for arch in win64 win32; do
    toolchain=cmake/mingw-x86_64.cmake
    [ "$arch" = win32 ] && toolchain=cmake/mingw-i686.cmake
    build=$build_root/$arch
    cmake -S "$root" -B "$build" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$root/$toolchain" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DKELVARA_WERROR=ON >/dev/null
    cmake --build "$build" --target kelvara -j 2 >/dev/null
    stage=$build/package
    rm -rf "$stage"
    mkdir -p "$stage"
    cp "$build/bin/kelvara.exe" "$stage/kelvara.exe"
    cp "docs/使用说明.txt" "$stage/使用说明.txt"
    python3 scripts/make_zip.py "$out/kelvara-$version-$arch.zip" "$epoch" "$stage/kelvara.exe" "$stage/使用说明.txt"
done
(cd "$out" && sha256sum ./*.zip | sed 's| \./| |' >SHA256SUMS)
echo "release: $(ls "$out" | tr '\n' ' ')"
cat "$out/SHA256SUMS"
