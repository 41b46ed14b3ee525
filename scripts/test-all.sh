#!/usr/bin/env bash
# Every test tier: native (sanitizers), fuzzing, the 32-bit release build, the Windows and
# end-to-end tests under Wine on a virtual display, and the release signed with a throwaway
# certificate. Both .scr files must load on Windows XP (scripts/check-xp-imports.sh).
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
fuzz_seconds="${FUZZ_SECONDS:-60}"
jobs="$(nproc)"

"$root/scripts/install-deps.sh" || exit 1

passed=0
failed=0
tier() {  # tier NAME COMMAND...
  local name="$1"; shift
  echo "=== $name"
  if "$@"; then passed=$((passed + 1)); echo "=== $name: passed"
  else failed=$((failed + 1)); echo "=== $name: FAILED"; fi
}

configure() {  # configure DIR [cmake args...]
  local dir="$1"; shift
  cmake -S "$root" -B "$root/build/$dir" -G Ninja "$@" >/dev/null
}

native() {
  configure native && cmake --build build/native -j "$jobs" &&
    ctest --test-dir build/native --output-on-failure
}

# One target's share of the fuzz time (in percent), its own corpus, and one line of
# final figures; the end of its log, and the input that broke it, when it fails.
fuzz_target() {  # fuzz_target NAME PERCENT
  local name="$1" seconds=$((fuzz_seconds * $2 / 100))
  [ "$seconds" -ge 1 ] || seconds=1
  local corpus="build/fuzz/corpus/$name" log="build/fuzz/$name.log"
  mkdir -p "$corpus"
  if ! "build/fuzz/${name}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=build/fuzz/ "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    return 1
  fi
  awk -v name="$name" -v seconds="$seconds" '
    /^stat::number_of_executed_units/ { runs = $NF }
    /^stat::average_exec_per_sec/ { rate = $NF }
    /^stat::new_units_added/ { added = $NF }
    /^stat::peak_rss_mb/ { rss = $NF }
    END { printf "%s: %d s, %s runs (%s/s), %s new inputs, peak %s MiB\n",
          name, seconds, runs, rate, added, rss }' "$log"
}

# The engine's game sequences reach the deepest state, the command line comes next;
# the clock and the layout take a handful of integers and are covered in seconds.
fuzz() {
  configure fuzz -DROWFALL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang &&
    cmake --build build/fuzz -j "$jobs" || return 1
  local result=0
  fuzz_target engine 40 || result=1
  fuzz_target command_line 30 || result=1
  fuzz_target clock_text 15 || result=1
  fuzz_target layout 15 || result=1
  return "$result"
}

win32_release() {
  configure win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win32.cmake" \
    -DROWFALL_THREADS=win32 -DCMAKE_BUILD_TYPE=Release -DROWFALL_TESTS=OFF &&
    cmake --build build/win32 -j "$jobs" --target rowfall &&
    "$root/scripts/check-xp-imports.sh" build/win32/rowfall.scr
}

win64_under_wine() {
  configure win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-win64.cmake" &&
    cmake --build build/win64 -j "$jobs" &&
    "$root/scripts/check-xp-imports.sh" build/win64/rowfall.scr &&
    "$root/scripts/setup-wine.sh" "$root/build/win64/wineprefix" &&
    xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/ctest-wine.sh" "$root/build/win64"
}

# Needs the win64 tier's tree: the signed .scr runs under its end-to-end driver.
signed_release() {
  "$root/tests/release/signed_release_test.sh" "$root/build/win64"
}

tier native native
tier fuzz fuzz
tier win32-release win32_release
tier win64-under-wine win64_under_wine
tier signed-release signed_release

echo "tiers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
