#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's prefix (CTest's emulator).
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$PWD/wineprefix}"
. "$here/wine-env.sh"
[ -f "$WINEPREFIX/system.reg" ] || "$here/setup-wine.sh" "$WINEPREFIX" >&2
exec wine "$@"
