#!/usr/bin/env bash
# Runs a command with a window manager on $DISPLAY, as on any desktop: without one,
# Wine waits 2 s for it whenever a window covering a whole monitor is hidden or
# destroyed, which a saver does at every dismissal.
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null' EXIT
"$@"
