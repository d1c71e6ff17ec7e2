#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libsdl2-dev libgl-dev libgl1-mesa-dri libx11-dev
  libpng-dev zlib1g-dev libogg-dev libvorbis-dev
  libfreetype-dev fonts-dejavu-core libfontconfig-dev fonts-liberation2
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils zenity
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
