# Sourced: helpers for the scripts that start X servers of their own.

# Prints the first display number from $1 (default 90) with no server or lock.
free_display() {
  local display="${1:-90}"
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
  done
  echo "$display"
}

# Waits up to 5 s for the X server on display $1 to answer.
wait_for_display() {
  for _ in $(seq 50); do DISPLAY=":$1" xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}
