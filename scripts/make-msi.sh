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

# wixl leaves the saver unversioned (File table without Version and Language, a hash in
# MsiFileHash), and by Windows Installer's file versioning rules any versioned copy
# already at the target then wins over it. The version and language come from the
# .scr's own version resource; the hash goes, as it may only describe unversioned files.
export LC_ALL=C
scr="$stage/rowfall.scr"
fixed="$(grep -obUaP '\xbd\x04\xef\xfe' "$scr" | head -n 1 | cut -d: -f1)"  # VS_FIXEDFILEINFO
[ -n "$fixed" ] || { echo "$2: no version resource" >&2; exit 1; }
read -r ms ls < <(od -An -tu4 -j $((fixed + 8)) -N 8 "$scr")
file_version="$((ms >> 16)).$((ms & 65535)).$((ls >> 16)).$((ls & 65535))"
# "Translation" in UTF-16, its terminator, padding: the first word that is not zero.
translation="$(grep -obUaP 'T\x00r\x00a\x00n\x00s\x00l\x00a\x00t\x00i\x00o\x00n\x00\x00\x00' "$scr" |
  head -n 1 | cut -d: -f1)"
[ -n "$translation" ] || { echo "$2: no Translation in the version resource" >&2; exit 1; }
language="$(od -An -tu2 -j $((translation + 24)) -N 8 "$scr" | tr -s ' ' '\n' | grep -m 1 -v '^0*$')"
msibuild "$out" \
  -q "UPDATE \`File\` SET \`Version\` = '$file_version', \`Language\` = '$language'
      WHERE \`File\` = 'rowfall.scr'" \
  -q "DELETE FROM \`MsiFileHash\` WHERE \`File_\` = 'rowfall.scr'"
