#!/usr/bin/env bash
# Installs, with apt-get, what is missing: "install-deps.sh release" only what
# scripts/release.sh needs, no argument everything the builds and tests need too.
set -euo pipefail

release=(git cmake ninja-build mingw-w64 zip wixl msitools osslsigncode)
tests=(g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev wine wine64 xvfb
       xauth x11-apps x11-utils imagemagick file xserver-xephyr openbox openssl unzip)
case "${1:-all}" in
  release) wanted=("${release[@]}") ;;
  all) wanted=("${release[@]}" "${tests[@]}") ;;
  *) echo "usage: $0 [release]" >&2; exit 2 ;;
esac

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for pkg in "${wanted[@]}"; do
  have "$pkg" || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${need[@]}"
fi
