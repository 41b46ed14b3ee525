#!/usr/bin/env bash
# Shows the saver: full screen in Wine on $DISPLAY when there is one; otherwise
# on a virtual 1024x768 display for a few seconds, saving screenshots to ./shots.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ROWFALL_BUILD:-$root/build/win64}"
seconds="${DEMO_SECONDS:-12}"
shots="$PWD/shots"

if [ ! -f "$build/rowfall.scr" ]; then
  "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win64.cmake" >/dev/null
  cmake --build "$build" -j "$(nproc)" --target rowfall
fi
"$root/scripts/setup-wine.sh" "$build/wineprefix"
export WINEPREFIX="$build/wineprefix"
. "$root/scripts/wine-env.sh"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Running full screen on $DISPLAY; press a key or click to end it."
  exec wine "$build/rowfall.scr" /s </dev/null
fi

. "$root/scripts/virtual-display.sh"

wine "$build/rowfall.scr" /s </dev/null >/dev/null 2>&1 &
saver=$!
mkdir -p "$shots"
shot_count=4
pause=$(awk "BEGIN { print $seconds / $shot_count }")
for n in $(seq 1 "$shot_count"); do
  sleep "$pause"
  xwd -root -silent | convert xwd:- "$shots/$(printf %02d "$n").png"
done
echo "No display: the saver ran ${seconds}s on a virtual 1024x768 display."
echo "Screenshots: $shots/"
ls "$shots"
