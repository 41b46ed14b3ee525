#!/usr/bin/env bash
# Builds the 32-bit and 64-bit rowfall.scr as they ship (win32 thread model, loadable on XP)
# and packs them into dist/: korvex-rowfall-<version>.zip with both, the notes for Windows
# users and SHA256SUMS, and one installer package per architecture. The same commit gives
# the same .scr and zip bytes in any folder: file times come from the commit.
# With ROWFALL_SIGN_PFX (and ROWFALL_SIGN_PASSWORD, ROWFALL_SIGN_TIMESTAMP_URL: see
# scripts/sign.sh) both .scr files are signed before they are packed, and so are the MSIs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

"$root/scripts/install-deps.sh" release

full_version="$("$root/scripts/version.sh")"
name="korvex-rowfall-${full_version%.*}"
SOURCE_DATE_EPOCH="$(git log -1 --format=%ct)"
export SOURCE_DATE_EPOCH TZ=UTC

"$root/scripts/build-release.sh" release-win32 toolchain-win32.cmake
"$root/scripts/build-release.sh" release-win64 toolchain-win64.cmake
scr32=build/release-win32/rowfall.scr
scr64=build/release-win64/rowfall.scr
"$root/scripts/check-xp-imports.sh" "$scr32" "$scr64"

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
files=(32-bit/rowfall.scr 64-bit/rowfall.scr README-Windows.txt)
mkdir -p "$stage/32-bit" "$stage/64-bit" "$root/dist"
cp "$scr32" "$stage/32-bit/"
cp "$scr64" "$stage/64-bit/"
scr32="$stage/32-bit/rowfall.scr" scr64="$stage/64-bit/rowfall.scr"  # as shipped from here on
signing="${ROWFALL_SIGN_PFX:+yes}"
if [ -n "$signing" ] && [ -n "${ROWFALL_SIGN_TIMESTAMP_URL:-}" ]; then
  echo "timestamped at $ROWFALL_SIGN_TIMESTAMP_URL: the signed files, the zip and" \
    "SHA256SUMS will not be reproducible" >&2
fi
[ -z "$signing" ] || "$root/scripts/sign.sh" "$scr32" "$scr64"
sed 's/$/\r/' resources/README-Windows.txt > "$stage/README-Windows.txt"  # Notepad line ends
(
  cd "$stage"
  sha256sum "${files[@]}" > SHA256SUMS
  chmod 644 "${files[@]}" SHA256SUMS
  touch -d "@$SOURCE_DATE_EPOCH" "${files[@]}" SHA256SUMS
  rm -f "$root/dist/$name.zip"
  zip -q -X -D "$root/dist/$name.zip" "${files[@]}" SHA256SUMS
)

package() {  # package ARCH SCR: the installer, checked to hold exactly that .scr
  local unpacked="$stage/msi-$1"
  "$root/scripts/make-msi.sh" "$1" "$2" "dist/$name-$1.msi"
  [ -z "$signing" ] || "$root/scripts/sign.sh" "dist/$name-$1.msi"
  mkdir "$unpacked"
  msiextract -C "$unpacked" "dist/$name-$1.msi" >/dev/null
  cmp "$unpacked/rowfall.scr" "$2"
}
package x64 "$scr64"
package x86 "$scr32"

zip -sf "dist/$name.zip"
ls -l "dist/$name.zip" "dist/$name-x64.msi" "dist/$name-x86.msi"
sha256sum "dist/$name.zip"
cat "$stage/SHA256SUMS"
