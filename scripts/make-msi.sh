#!/usr/bin/env bash
# Packs one rowfall.scr into an installer: make-msi.sh x64|x86 ROWFALL.SCR OUT.msi
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
arch="$1" out="$(realpath -m "$3")"
# wixl takes sources by relative path only: the package's files are laid out in a folder.
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cp "$2" "$stage/rowfall.scr"
cp "$root/resources/rowfall.ico" "$stage/"
cd "$stage"
wixl -a "$arch" -D Arch="$arch" -D Version="$("$root/scripts/version.sh")" -o "$out" \
  "$root/resources/rowfall.wxs"
