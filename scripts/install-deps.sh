#!/usr/bin/env bash
# Installs, with apt-get, whatever the builds and tests need and is missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for pkg in cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev \
           libbenchmark-dev mingw-w64 wine wine64 xvfb xauth x11-apps x11-utils \
           imagemagick zip file xserver-xephyr openbox; do
  have "$pkg" || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${need[@]}"
fi
