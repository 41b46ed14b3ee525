#!/usr/bin/env bash
# Runs a Windows program under Wine on two monitors (scripts/two-monitor-display.sh).
# Expects WINEPREFIX, a prefix of its own.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
. "$here/two-monitor-display.sh"
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
wine "$@"
