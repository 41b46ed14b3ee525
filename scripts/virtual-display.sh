# Sourced: gives the rest of the script its own 1024x768x24 Xvfb display (a free
# number, exported as DISPLAY). On exit it ends the saver whose process id the
# script put in $saver, the prefix's Wine server and Xvfb.
saver=""
xvfb=""
finish() {
  exec 2>/dev/null  # no shell notices of the processes ended here
  [ -n "$saver" ] && kill "$saver" 2>/dev/null
  wineserver -k 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  return 0
}
trap finish EXIT

. "$(dirname "${BASH_SOURCE[0]}")/x-display.sh"
display="$(free_display)"
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wait_for_display "$display"
export DISPLAY=":$display"
