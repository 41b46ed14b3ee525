# Sourced: gives the rest of the script its own Xvfb display (a free number, exported
# as DISPLAY) of ROWFALL_SCREEN pixels (default 1024x768), with a window manager as on
# any desktop: without one, Wine waits 2 s for it whenever a full-screen window is
# hidden or goes away. On exit it ends the saver whose process id the script put in
# $saver, the prefix's Wine server, the window manager and Xvfb.
saver=""
xvfb=""
wm=""
finish() {
  exec 2>/dev/null  # no shell notices of the processes ended here
  [ -n "$saver" ] && kill "$saver" 2>/dev/null
  wineserver -k 2>/dev/null
  for pid in "$wm" "$xvfb"; do [ -n "$pid" ] && kill "$pid" 2>/dev/null; done
  return 0
}
trap finish EXIT

. "$(dirname "${BASH_SOURCE[0]}")/x-display.sh"
display="$(free_display)"
Xvfb ":$display" -screen 0 "${ROWFALL_SCREEN:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wait_for_display "$display"
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
wm=$!
