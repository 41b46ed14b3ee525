#!/usr/bin/env bash
# Runs a Windows program under Wine on a virtual screen of each size given before "--"
# (scripts/virtual-display.sh, a window manager included): scripts/shapes.sh 5120x1440
# 1080x1920 -- e2e_tests.exe --gtest_filter=Shapes.*  Expects WINEPREFIX.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
sizes=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do sizes+=("$1"); shift; done
shift
"$here/setup-wine.sh" "$WINEPREFIX" >&2
failed=0
for size in "${sizes[@]}"; do
  echo "=== $size"
  (
    export ROWFALL_SCREEN="$size"
    . "$here/wine-env.sh"
    . "$here/virtual-display.sh"
    wineserver -p
    wine "$@"
  ) || failed=1
done
exit "$failed"
