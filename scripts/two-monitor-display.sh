# Sourced: gives the rest of the script a display of two monitors, 1024x768 (the
# primary) and 640x480 to its right: Xephyr with Xinerama inside a private Xvfb, with
# a window manager as on any desktop (without one, Wine waits 2 s for it whenever a
# full-monitor window goes away). Expects WINEPREFIX, a prefix of its own: its X11
# settings differ. On exit it ends the saver whose process id the script put in
# $saver, the prefix's Wine server and the X servers.
saver=""
xvfb=""
xephyr=""
wm=""
finish() {
  exec 2>/dev/null  # no shell notices of the processes ended here
  [ -n "$saver" ] && kill "$saver" 2>/dev/null
  wineserver -k 2>/dev/null
  for pid in "$wm" "$xephyr" "$xvfb"; do [ -n "$pid" ] && kill "$pid" 2>/dev/null; done
  return 0
}
trap finish EXIT

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/x-display.sh"
outer="$(free_display)"
Xvfb ":$outer" -screen 0 1700x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wait_for_display "$outer" || { echo "two monitors: no Xvfb" >&2; exit 1; }
inner="$(free_display $((outer + 1)))"
DISPLAY=":$outer" Xephyr ":$inner" +xinerama -screen 1024x768 -screen 640x480 -ac -nolisten tcp \
  >/dev/null 2>&1 &
xephyr=$!
wait_for_display "$inner" || { echo "two monitors: no Xephyr" >&2; exit 1; }
export DISPLAY=":$inner"
openbox >/dev/null 2>&1 &
wm=$!

"$here/setup-wine.sh" "$WINEPREFIX" >&2
# Xephyr's RandR reports a single output; Xinerama has both monitors.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null 2>&1
wineserver -k 2>/dev/null; wineserver -w
