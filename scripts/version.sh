#!/usr/bin/env bash
# Prints the product version, major.minor.build, from the VERSIONINFO: its only source.
set -euo pipefail
rc="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/resources/version.rc"
version=$(sed -nE 's/^FILEVERSION +([0-9]+), *([0-9]+), *([0-9]+), *[0-9]+.*/\1.\2.\3/p' "$rc")
[ -n "$version" ] || { echo "no FILEVERSION in $rc" >&2; exit 1; }
echo "$version"
