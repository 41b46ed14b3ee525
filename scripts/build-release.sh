#!/usr/bin/env bash
# Builds rowfall.scr as it ships, in build/DIR: Release, the win32 thread model (loadable
# on XP), stripped. Usage: scripts/build-release.sh DIR TOOLCHAIN
#   (e.g. release-win64 toolchain-win64.cmake)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build/$1" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$2" \
  -DROWFALL_THREADS=win32 -DCMAKE_BUILD_TYPE=Release -DROWFALL_TESTS=OFF \
  -DCMAKE_EXE_LINKER_FLAGS=-s >/dev/null
cmake --build "$root/build/$1" -j "$(nproc)" --target rowfall
