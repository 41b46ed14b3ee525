#!/usr/bin/env bash
# The signed release, with a certificate made here and thrown away: scripts/release.sh twice
# signed and once unsigned (last, so dist/ ends unsigned). Both .scr files and both MSIs
# must verify against that certificate, the two signed zips must be the same bytes, each
# signed .scr without its signature must be the unsigned one, SHA256SUMS must list the
# files as shipped, and the signed 64-bit .scr must run under Wine to its first frame
# (the end-to-end driver of the win64 test tree, which must be built).
# Usage: signed_release_test.sh BUILD_WIN64
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
win64="$(realpath "$1")"
cd "$root"
unset ROWFALL_SIGN_PFX ROWFALL_SIGN_PASSWORD ROWFALL_SIGN_TIMESTAMP_URL
full_version="$("$root/scripts/version.sh")"
name="korvex-rowfall-${full_version%.*}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failed=0
check() {  # check WHAT COMMAND...
  local what="$1"; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failed=$((failed + 1)); fi
}

make_certificate() {
  password="pass phrase"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Rowfall throwaway signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" \
    2>/dev/null &&
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" \
      -out "$work/signer.pfx" -passout "pass:$password"
}

release() {  # release NAME [VARIABLE=VALUE...]: dist/ copied to $work/NAME, the zip unpacked
  local out="$work/$1"; shift
  if ! env "$@" "$root/scripts/release.sh" >"$out.log" 2>&1; then
    tail -n 20 "$out.log"
    return 1
  fi
  mkdir "$out"
  cp "dist/$name.zip" "dist/$name-x64.msi" "dist/$name-x86.msi" "$out/"
  unzip -q "$out/$name.zip" -d "$out/zip"
}

verifies() {  # verifies FILE: signed, by the throwaway certificate
  osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1 ||
    { tail -n 5 "$work/verify.log"; return 1; }
}

unsigns_to() {  # unsigns_to SIGNED UNSIGNED
  rm -f "$work/stripped"
  osslsigncode remove-signature -in "$1" -out "$work/stripped" >/dev/null &&
    cmp "$work/stripped" "$2"
}

# Windows Installer replaces a versioned file only by a newer version: the saver must be
# versioned in the package, with the version of its own version resource and a language.
file_version="$(sed -nE 's/^FILEVERSION +([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+).*/\1.\2.\3.\4/p' \
  "$root/resources/version.rc")"
versioned_in() {  # versioned_in MSI: rowfall.scr's File row has FILEVERSION and Language 1033
  msiinfo export "$1" File | tr -d '\r' |
    awk -F'\t' -v v="$file_version" '$1 == "rowfall.scr" { found = ($5 == v && $6 == "1033") }
      END { exit !found }' || { msiinfo export "$1" File; return 1; }
}

sums_match() {  # sums_match FOLDER
  (cd "$1" && sha256sum --quiet -c SHA256SUMS)
}

# The driver's full-screen case, on the signed file instead of the tree's own .scr.
runs_to_first_frame() {  # runs_to_first_frame SCR
  local log="$work/wine.log"
  WINEPREFIX="$win64/wineprefix" ROWFALL_SCR="$1" xvfb-run -a -s "-screen 0 1024x768x24" \
    "$root/scripts/with-window-manager.sh" "$root/scripts/wine-run.sh" "$win64/e2e_tests.exe" \
    --gtest_filter=FullScreen.CoversTheDesktopPlaysAndTheFirstKeyEndsIt >"$log" 2>&1
  local rc=$?
  WINEPREFIX="$win64/wineprefix" wineserver -w
  # A filter that matched nothing would pass too.
  [ $rc -eq 0 ] && grep -q "PASSED.*1 test" "$log" || { tail -n 20 "$log"; return 1; }
}

signer=(ROWFALL_SIGN_PFX="$work/signer.pfx" ROWFALL_SIGN_PASSWORD="pass phrase")
make_certificate || { echo "FAILED: no throwaway certificate"; exit 1; }
release signed-1 "${signer[@]}" && release signed-2 "${signer[@]}" && release unsigned ||
  { echo "FAILED: release.sh"; exit 1; }
signed="$work/signed-1"

check "two signed builds give the same zip" cmp "$signed/$name.zip" "$work/signed-2/$name.zip"
for file in zip/32-bit/rowfall.scr zip/64-bit/rowfall.scr "$name-x64.msi" "$name-x86.msi"; do
  check "$file verifies against the certificate" verifies "$signed/$file"
done
for scr in 32-bit/rowfall.scr 64-bit/rowfall.scr; do
  check "$scr without its signature is the unsigned one" \
    unsigns_to "$signed/zip/$scr" "$work/unsigned/zip/$scr"
done
check "SHA256SUMS lists the signed files" sums_match "$signed/zip"
for msi in "$name-x64.msi" "$name-x86.msi"; do
  check "$msi gives rowfall.scr its version and language" versioned_in "$signed/$msi"
done
check "the signed 64-bit .scr runs to its first frame" \
  runs_to_first_frame "$signed/zip/64-bit/rowfall.scr"

echo "SHA-256 of the zips:"
(cd "$work" && sha256sum "signed-1/$name.zip" "signed-2/$name.zip" "unsigned/$name.zip")
[ "$failed" -eq 0 ]
