#!/usr/bin/env bash
# Runs a Windows program under Wine on two monitors: 1024x768 (the primary) and
# 640x480 to its right, given by Xephyr with Xinerama inside a private Xvfb, with
# a window manager as on any desktop (without one, Wine waits 2 s for it whenever a
# full-monitor window goes away). Expects WINEPREFIX, a prefix of its own: its X11
# settings differ.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
. "$here/x-display.sh"

outer="$(free_display)"
Xvfb ":$outer" -screen 0 1700x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
xephyr=""
wm=""
finish() {
  wineserver -k 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$xephyr" ] && kill "$xephyr" 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap finish EXIT
wait_for_display "$outer" || { echo "two-monitors: no Xvfb" >&2; exit 1; }
inner="$(free_display $((outer + 1)))"
DISPLAY=":$outer" Xephyr ":$inner" +xinerama -screen 1024x768 -screen 640x480 -ac -nolisten tcp \
  >/dev/null 2>&1 &
xephyr=$!
wait_for_display "$inner" || { echo "two-monitors: no Xephyr" >&2; exit 1; }
export DISPLAY=":$inner"
openbox >/dev/null 2>&1 &
wm=$!

"$here/setup-wine.sh" "$WINEPREFIX" >&2
# Xephyr's RandR reports a single output; Xinerama has both monitors.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -k 2>/dev/null; wineserver -w
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
wine "$@"
