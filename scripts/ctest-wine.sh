#!/usr/bin/env bash
# Runs a Windows build's tests with one Wine server kept alive for the whole run.
build="$(cd "$1" && pwd)"  # the prefix path must be absolute
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="$build/wineprefix"
. "$here/wine-env.sh"
wineserver -p
# Start Wine's services now, detached from ctest's pipes, or ctest waits for them.
wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "$build" --output-on-failure
rc=$?
wineserver -k
exit $rc
