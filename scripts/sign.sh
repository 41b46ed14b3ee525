#!/usr/bin/env bash
# Signs files in place with Authenticode (SHA-256): sign.sh FILE...
# The certificate is the PKCS#12 file ROWFALL_SIGN_PFX names, its password in
# ROWFALL_SIGN_PASSWORD (may be empty). The signing time is SOURCE_DATE_EPOCH, so one commit
# signed with one RSA certificate gives the same bytes every time. ROWFALL_SIGN_TIMESTAMP_URL,
# when set, names an RFC 3161 timestamp server whose answer differs on every call.
set -euo pipefail
: "${ROWFALL_SIGN_PFX:?names the PKCS#12 certificate}" "${SOURCE_DATE_EPOCH:?}"

options=(-pkcs12 "$ROWFALL_SIGN_PFX" -h sha256 -n "Korvex Rowfall" -time "$SOURCE_DATE_EPOCH")
[ -z "${ROWFALL_SIGN_TIMESTAMP_URL:-}" ] || options+=(-ts "$ROWFALL_SIGN_TIMESTAMP_URL")

sign() {  # sign FILE: signed in place
  local signed="$1.signed"
  # The password goes through a pipe, not the command line other users can read; the
  # newline lets an empty one be read too.
  osslsigncode sign "${options[@]}" -readpass <(printf '%s\n' "${ROWFALL_SIGN_PASSWORD:-}") \
    -in "$1" -out "$signed" >/dev/null
  mv "$signed" "$1"
}

# Without its signature a signed .exe or .scr must be the unsigned file again, so anyone can
# check a signed release against an unsigned build of the same commit.
unsigns_to() {  # unsigns_to SIGNED UNSIGNED
  local stripped="$1.stripped"
  osslsigncode remove-signature -in "$1" -out "$stripped" >/dev/null
  cmp "$stripped" "$2" && rm "$stripped"
}

unsigned="$(mktemp)"
trap 'rm -f "$unsigned"' EXIT
for file in "$@"; do
  cp "$file" "$unsigned"
  sign "$file"
  case "$file" in
    *.msi) ;;
    *) unsigns_to "$file" "$unsigned" ;;
  esac
done
