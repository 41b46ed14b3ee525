#!/usr/bin/env bash
# Runs the Windows and end-to-end test programs RUNS times, each time beside BUSY
# busy loops at normal priority (default two per core), and prints how often each
# test failed: a test that guesses how long something takes fails here first.
# Not part of CI. Usage: scripts/stress-tests.sh RUNS [BUSY]
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/win64"
runs="${1:-}"
busy="${2:-$((2 * $(nproc)))}"
program_timeout=1800

[[ "$runs" =~ ^[1-9][0-9]*$ && "$busy" =~ ^[0-9]+$ ]] ||
  { echo "usage: scripts/stress-tests.sh RUNS [BUSY]" >&2; exit 2; }

"$root/scripts/install-deps.sh" || exit 1
[ -f "$build/build.ninja" ] ||
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win64.cmake" \
    >/dev/null || exit 1
built="$(cmake --build "$build" -j 2 2>&1)" || { echo "$built"; echo "stress: the build failed"; exit 1; }
"$root/scripts/setup-wine.sh" "$build/wineprefix" || exit 1

export WINEPREFIX="$build/wineprefix"
. "$root/scripts/wine-env.sh"
. "$root/scripts/virtual-display.sh"

loops=()
program=""
stop_loops() {
  for pid in "${loops[@]}"; do kill "$pid" 2>/dev/null; done
  loops=()
}
# The program running when a signal comes is ended too (timeout passes it on).
trap '[ -n "$program" ] && kill "$program" 2>/dev/null; stop_loops; finish' EXIT
trap 'exit 130' INT TERM HUP

# One Wine server for the whole run, as ctest-wine.sh keeps it; started again after
# a program that had to be ended, so its leftovers cannot spoil the next one.
start_wine() {
  wineserver -k 2>/dev/null
  wineserver -w
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

logs="$build/stress-logs"
rm -rf "$logs"
mkdir -p "$logs"
declare -A failures=()
total=0

# Test names from a gtest log: "[  FAILED  ] Suite.Name (12 ms)", parameters included.
failed_tests() {
  tr -d '\r' <"$1" | sed -nE 's/^\[  FAILED  \] ([^ ,]+)(, where .*)? \([0-9]+ ms\)$/\1/p'
}

count_failure() {  # count_failure NAME
  failures["$1"]=$((${failures["$1"]:-0} + 1))
  total=$((total + 1))
}

# run_program RUN NAME COMMAND...: runs one test program and counts what failed in it.
run_program() {
  local run="$1" name="$2"
  shift 2
  local log="$logs/run$run-$name.log"
  # In the background, so that a signal is taken at once and not after the program.
  (cd "$build" && exec timeout "$program_timeout" "$@") </dev/null >"$log" 2>&1 &
  program=$!
  wait "$program"
  local code=$?
  program=""
  local tests
  tests="$(failed_tests "$log")"
  if [ -n "$tests" ]; then
    while read -r test; do count_failure "$test ($name)"; done <<<"$tests"
  elif [ "$code" -eq 124 ]; then
    count_failure "$name timed out after $program_timeout s"
  elif [ "$code" -ne 0 ]; then
    count_failure "$name ended with exit code $code and no failed test"
  fi
  [ "$code" -eq 0 ] || start_wine
}

for _ in $(seq "$busy"); do
  sh -c 'while :; do :; done' &
  loops+=($!)
done
echo "stress: $runs runs beside $busy busy loops; logs in $logs"
start_wine
for run in $(seq "$runs"); do
  before=$total
  started=$SECONDS
  run_program "$run" windows_tests wine "$build/windows_tests.exe"
  run_program "$run" e2e_tests "$root/scripts/with-window-manager.sh" \
    wine "$build/e2e_tests.exe" --gtest_filter=-TwoMonitors*
  run_program "$run" e2e_two_monitors env WINEPREFIX="$build/wineprefix-two-monitors" \
    "$root/scripts/two-monitors.sh" "$build/e2e_tests.exe" --gtest_filter=TwoMonitors*:Figures.*
  echo "run $run: $((total - before)) failures in $((SECONDS - started)) s"
done
stop_loops

for test in "${!failures[@]}"; do
  printf '%4d of %d  %s\n' "${failures[$test]}" "$runs" "$test"
done | sort -k4
echo "stress: $runs runs, $total failures"
[ "$total" -eq 0 ]
