#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building and testing
# Varnotel. Idempotent: when every package is present it only checks.
set -euo pipefail

packages=(
  cmake g++ make zlib1g-dev googletest
  clang-14 libclang-rt-14-dev
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev
  wine64 xvfb xauth xdotool imagemagick python3-pil fonts-wqy-microhei
  gzip coreutils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" = 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
