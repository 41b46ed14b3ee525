#!/usr/bin/env bash
# Plays the real saver full screen under Wine on a virtual 1024x768 display for
# MINUTES, sampling every 30 s its resident memory, its Windows handles and its
# well (which must have changed since the last sample); then a key must end it
# with exit code 0 within 1 s. Not part of CI. Usage: scripts/soak.sh MINUTES [two-monitors]
# With "two-monitors" it plays on two monitors (scripts/two-monitor-display.sh) with
# "Every monitor" on: two games in one process.
# Growth rule: the lowest of the last three samples may exceed the highest of
# those at 1:00 and 1:30 by 2 MiB + 2 % in memory and by 3 handles, no more.
# The C library runs with a fixed mmap threshold: a large block freed by Wine goes back
# to the system at once instead of staying in a thread's arena from its first reuse on
# (3 MiB from the first restart of a game, a step, not a climb); a block that is never
# freed still counts.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ROWFALL_BUILD:-$root/build/win64}"
minutes="${1:-}"
monitors="${2:-}"
interval=30

fail() {
  echo "soak: FAILED: $*"
  exit 1
}

[[ "$minutes" =~ ^[0-9]+$ ]] && [ "$minutes" -ge 3 ] && [[ "$monitors" =~ ^(|two-monitors)$ ]] ||
  fail "usage: scripts/soak.sh MINUTES [two-monitors] (MINUTES 3 or more)"
"$root/scripts/install-deps.sh" || fail "cannot install what the build needs"
[ -f "$build/build.ninja" ] ||
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win64.cmake" >/dev/null
built="$(cmake --build "$build" -j 2 --target rowfall soak_probe 2>&1)" || { echo "$built"; fail "the build failed"; }
# A prefix of its own: default settings, and no other run's saver windows.
if [ -n "$monitors" ]; then
  export WINEPREFIX="$build/soak-two-wineprefix"
  . "$root/scripts/wine-env.sh"
  . "$root/scripts/two-monitor-display.sh"
  ini="$WINEPREFIX/drive_c/windows/win.ini"
  grep -q "^EveryMonitor=1" "$ini" || printf '[Korvex Rowfall Screen Saver]\r\nEveryMonitor=1\r\n' >> "$ini"
else
  "$root/scripts/setup-wine.sh" "$build/soak-wineprefix"
  export WINEPREFIX="$build/soak-wineprefix"
  . "$root/scripts/wine-env.sh"
  . "$root/scripts/virtual-display.sh"
fi

probe() { wine "$build/soak_probe.exe" "$1" 2>&1 | tr -d '\r'; }

# Wine runs the program in the process it starts, so $saver's status is the saver's.
MALLOC_MMAP_THRESHOLD_=131072 wine "$build/rowfall.scr" /s </dev/null >/dev/null 2>&1 &
saver=$!
start=$SECONDS
rss=()
handles=()
well=""
for n in $(seq 1 $((minutes * 60 / interval))); do
  pause=$((start + n * interval - SECONDS))
  [ "$pause" -gt 0 ] && sleep "$pause"
  grep -qa rowfall.scr "/proc/$saver/cmdline" 2>/dev/null || fail "the saver's process has gone"
  reply="$(probe sample)" || fail "no sample: $reply"
  read -r handle_count checksum <<<"$reply"
  rss+=("$(awk '/^VmRSS:/ { print $2 }' "/proc/$saver/status")")
  handles+=("$handle_count")
  printf 'sample %3d  %3d:%02d  rss %7d KiB  handles %4d  well %s\n' "$n" $((n * interval / 60)) \
    $((n * interval % 60)) "${rss[-1]}" "$handle_count" "$checksum"
  [ "$checksum" != "$well" ] || fail "the well has not changed in ${interval} s"
  well="$checksum"
done

reply="$(probe dismiss)" || fail "dismissal: $reply"
wait "$saver"
code=$?
saver=""
[ "$code" -eq 0 ] || fail "the saver exited with code $code"

# growth NAME ABSOLUTE PERCENT VALUES...: the growth rule above; prints the figures.
growth() {
  local name="$1" absolute="$2" percent="$3"
  shift 3
  local values=("$@")
  local base=$((values[1] > values[2] ? values[1] : values[2]))
  local last
  last="$(printf '%s\n' "${values[@]: -3}" | sort -n | head -n 1)"
  local allowed=$((absolute + base * percent / 100))
  echo "$name $base -> $last (+$((last - base)), $allowed allowed)"
  [ $((last - base)) -le "$allowed" ]
}
memory="$(growth "memory KiB" 2048 2 "${rss[@]}")"
memory_ok=$?
handle_growth="$(growth handles 3 0 "${handles[@]}")"
handles_ok=$?
figures="$memory; $handle_growth; ended $reply ms after the key, exit code 0"
[ "$memory_ok" -eq 0 ] && [ "$handles_ok" -eq 0 ] || fail "grew: $figures"
echo "soak: ok: ${#rss[@]} samples over $minutes min; $figures"
