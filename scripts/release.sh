#!/usr/bin/env bash
# Builds the 32-bit and 64-bit Release rowfall.scr and packs dist/korvex-rowfall-1.0.zip
# with both and the notes for Windows users.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
zip_file="$root/dist/korvex-rowfall-1.0.zip"

"$root/scripts/install-deps.sh"

build() {  # build DIR TOOLCHAIN
  cmake -S "$root" -B "$root/build/$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$2" \
    -DCMAKE_BUILD_TYPE=Release -DROWFALL_TESTS=OFF -DCMAKE_EXE_LINKER_FLAGS=-s >/dev/null
  cmake --build "$root/build/$1" -j "$(nproc)" --target rowfall
}
build release-win32 toolchain-win32.cmake
build release-win64 toolchain-win64.cmake

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/32-bit" "$stage/64-bit" "$root/dist"
cp build/release-win32/rowfall.scr "$stage/32-bit/"
cp build/release-win64/rowfall.scr "$stage/64-bit/"
sed 's/$/\r/' resources/README-Windows.txt > "$stage/README-Windows.txt"  # Notepad line ends

rm -f "$zip_file"
(cd "$stage" && zip -q -X "$zip_file" 32-bit/rowfall.scr 64-bit/rowfall.scr README-Windows.txt)
file build/release-win32/rowfall.scr build/release-win64/rowfall.scr
unzip -l "$zip_file"
