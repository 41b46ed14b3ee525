#!/usr/bin/env bash
# Processor share of the running saver, as a share of one core: the saver's process,
# the Wine server and the X server together, and the saver alone, over SECONDS of
# play (default 60) after 5 s to settle. Three cases: one game at 1024 x 768, one at
# 3840 x 2160, and "Every monitor" with two monitors (two games). Each SCR given
# (default: the build's rowfall.scr) runs every case in turn, so two builds compare
# side by side on one machine.
# Usage: bench/cpu_share.sh [SECONDS] [SCR...]
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ROWFALL_BUILD:-$root/build/win64}"
seconds="${1:-60}"
shift $(($# > 0 ? 1 : 0))
scrs=("$@")
[ ${#scrs[@]} -gt 0 ] || scrs=("$build/rowfall.scr")
hz="$(getconf CLK_TCK)"

cmake --build "$build" -j 2 --target rowfall >/dev/null || exit 1

ticks() {  # ticks PID...: utime + stime of the processes, in clock ticks
  local total=0 pid
  for pid in "$@"; do
    [ -r "/proc/$pid/stat" ] || continue
    total=$((total + $(sed 's/^.*) //' "/proc/$pid/stat" | awk '{ print $12 + $13 }')))
  done
  echo "$total"
}

# The Wine server of this prefix: the one whose environment names it.
prefix_server() {
  local pid
  for pid in $(pgrep wineserver); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
}

# measure NAME SCR X-SERVER-PIDS...: plays, then prints one line of figures.
measure() {
  local name="$1" scr="$2"
  shift 2
  wine "$scr" /s </dev/null >/dev/null 2>&1 &
  saver=$!
  sleep 5
  local server
  server="$(prefix_server)"
  local all0 saver0 all1 saver1
  all0="$(ticks "$saver" $server "$@")"
  saver0="$(ticks "$saver")"
  sleep "$seconds"
  all1="$(ticks "$saver" $server "$@")"
  saver1="$(ticks "$saver")"
  kill "$saver" 2>/dev/null
  wait "$saver" 2>/dev/null
  saver=""
  awk -v n="$name" -v s="$scr" -v a=$((all1 - all0)) -v v=$((saver1 - saver0)) -v t="$seconds" -v hz="$hz" \
    'BEGIN { printf "%-24s %5.1f %% in all, saver %5.1f %%   (%s)\n", n, 100 * a / hz / t, 100 * v / hz / t, s }'
}

one_monitor() {  # one_monitor SIZE SCR
  (
    export ROWFALL_SCREEN="$1"
    "$root/scripts/setup-wine.sh" "$build/bench-wineprefix"
    export WINEPREFIX="$build/bench-wineprefix"
    . "$root/scripts/wine-env.sh"
    . "$root/scripts/virtual-display.sh"
    wineserver -p
    measure "one game, $1" "$2" "$xvfb"
  )
}

two_monitors() {  # two_monitors SCR
  (
    export WINEPREFIX="$build/bench-two-wineprefix"
    . "$root/scripts/wine-env.sh"
    . "$root/scripts/two-monitor-display.sh"
    ini="$WINEPREFIX/drive_c/windows/win.ini"
    grep -q "^EveryMonitor=1" "$ini" || printf '[Korvex Rowfall Screen Saver]\r\nEveryMonitor=1\r\n' >> "$ini"
    wineserver -p
    measure "two games, two monitors" "$1" "$xvfb" "$xephyr"
  )
}

echo "processor share of one core over $seconds s (saver + Wine server + X server, and the saver alone)"
for scr in "${scrs[@]}"; do
  one_monitor 1024x768 "$scr"
  one_monitor 3840x2160 "$scr"
  two_monitors "$scr"
done
