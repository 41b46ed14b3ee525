#!/usr/bin/env bash
# Runs a GoogleTest program under Wine inside Wine's virtual desktop of the given size,
# whose display mode a program may change (as a remote session or a docking station
# changes a real one): scripts/virtual-desktop.sh 1024x768 e2e_tests.exe --gtest_filter=...
# The X screen beneath (ROWFALL_SCREEN, scripts/virtual-display.sh) bounds the modes the
# desktop accepts. Explorer does not hand the program's exit code on, so its printed
# summary decides. Expects WINEPREFIX.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
size="$1"; shift
"$here/setup-wine.sh" "$WINEPREFIX" >&2
. "$here/wine-env.sh"
. "$here/virtual-display.sh"
log="$(mktemp)"
wineserver -p
wine explorer "/desktop=rowfall-$size,$size" "$@" >"$log" 2>&1 </dev/null
cat "$log"
grep -q '^\[  PASSED  \] [1-9]' "$log" && ! grep -q '^\[  FAILED  \]' "$log"
rc=$?
rm -f "$log"
exit "$rc"
