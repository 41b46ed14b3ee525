#!/usr/bin/env bash
# Start to first full frame: the saver against a bare full-screen window that paints
# once, alternating runs on a virtual display of SIZE (default 1024x768) with a window
# manager; prints each pair and the medians (bench/win/first_frame.cpp).
# Usage: bench/first_frame.sh [RUNS] [SCR] [SIZE]
#   SCR: another build's rowfall.scr; by default the one that ships (build/release-win64):
#   the test build, with its debug sections ten times the size, starts a few
#   milliseconds later under Wine.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ROWFALL_BUILD:-$root/build/win64}"
runs="${1:-9}"
if [ -z "${2:-}" ]; then
  "$root/scripts/build-release.sh" release-win64 toolchain-win64.cmake >/dev/null || exit 1
fi
scr="$(realpath "${2:-$root/build/release-win64/rowfall.scr}")"
export ROWFALL_SCREEN="${3:-1024x768}"

cmake --build "$build" -j 2 --target first_frame bare_window >/dev/null || exit 1
"$root/scripts/setup-wine.sh" "$build/bench-wineprefix"
export WINEPREFIX="$build/bench-wineprefix"
. "$root/scripts/wine-env.sh"
. "$root/scripts/virtual-display.sh"
wineserver -p
# Wine's services inherit this script's output: the figures go through a file.
out="$(mktemp)"
wine "$build/first_frame.exe" "$(winepath -w "$scr")" "$(winepath -w "$build/bare_window.exe")" \
  "$runs" >"$out" 2>&1 </dev/null
tr -d '\r' <"$out"
rm -f "$out"
