#!/usr/bin/env bash
# Packs one rowfall.scr into an installer: make-msi.sh x64|x86 ROWFALL.SCR OUT.msi
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
arch="$1" out="$(realpath -m "$3")"
version="$("$root/scripts/version.sh")"
# wixl takes sources by relative path only: the package's files are laid out in a folder.
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cp "$2" "$stage/rowfall.scr"
cp "$root/resources/rowfall.ico" "$stage/"
cd "$stage"
wixl -a "$arch" -D Arch="$arch" -D Version="$version" -o "$out" "$root/resources/rowfall.wxs"

# wixl (0.101) drops IncludeMaximum, which leaves the same-version row of the Upgrade table
# an empty range. Attributes is part of that table's key, so the row is written anew.
property=SAME_VERSION_DETECTED
read -r code attributes < <(msiinfo export "$out" Upgrade |
  awk -F'\t' -v p="$property" '{ sub(/\r$/, "") } $7 == p { print $1, $5 }')
[ -n "${code:-}" ] || { echo "$out: no Upgrade row for $property" >&2; exit 1; }
msibuild "$out" -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = '$property'" \
  -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMin\`, \`VersionMax\`, \`Attributes\`,
      \`ActionProperty\`) VALUES ('$code', '$version', '$version', $((attributes | 512)),
      '$property')"
