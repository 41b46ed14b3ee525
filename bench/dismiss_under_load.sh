#!/usr/bin/env bash
# Key to desktop under load: the saver starved as Windows starves it (every thread of
# its process at the lowest priority, as a screen saver runs at idle priority) with one
# busy loop per core at normal priority beside it. Prints, per run, the milliseconds
# from the key to the moment none of the saver's windows is visible any more. Then the
# same with the worker suspended at a moment when it holds a lock, as Windows may leave
# an idle-priority thread without the processor for seconds (bench/win/stopped_worker.cpp:
# the saver's own code in one process, so SCR does not apply to it).
# Usage: bench/dismiss_under_load.sh [RUNS] [SCR]   (SCR: another build's rowfall.scr)
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ROWFALL_BUILD:-$root/build/win64}"
runs="${1:-5}"
scr="${2:-$build/rowfall.scr}"

cmake --build "$build" -j 2 --target rowfall soak_probe stopped_worker >/dev/null || exit 1
"$root/scripts/setup-wine.sh" "$build/bench-wineprefix"
export WINEPREFIX="$build/bench-wineprefix"
. "$root/scripts/wine-env.sh"
. "$root/scripts/virtual-display.sh"
busy=()
stop_busy() {
  [ ${#busy[@]} -gt 0 ] && kill "${busy[@]}" 2>/dev/null
  busy=()
}
trap 'stop_busy; finish' EXIT
wineserver -p

times=()
stopped=()
for run in $(seq 1 "$runs"); do
  wine "$scr" /s </dev/null >/dev/null 2>&1 &
  saver=$!
  sleep 3
  for task in /proc/"$saver"/task/*; do renice -n 19 -p "${task##*/}" >/dev/null; done
  for _ in $(seq 1 "$(nproc)"); do (while :; do :; done) & busy+=($!); done
  sleep 2
  ms="$(wine "$build/soak_probe.exe" reveal 2>&1 | tr -d '\r')"
  stop_busy
  wait "$saver"
  saver=""
  stopped_ms="$(wine "$build/stopped_worker.exe" 2>&1 | tr -d '\r')"
  echo "run $run: key to desktop $ms ms under load, $stopped_ms ms with the worker stopped inside a lock"
  times+=("$ms")
  stopped+=("$stopped_ms")
done
summary() {  # summary NAME VALUES...
  local name="$1"
  shift
  local sorted=($(printf '%s\n' "$@" | sort -n))
  echo "key to desktop $name: median ${sorted[$(($# / 2))]} ms, worst ${sorted[-1]} ms over $# runs"
}
summary "under load" "${times[@]}"
summary "with the worker stopped inside a lock" "${stopped[@]}"
