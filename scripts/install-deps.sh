#!/usr/bin/env bash
# Installs the Debian packages Twinsweep needs to build, test and run.
# Idempotent: returns at once when everything is already installed.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config clang-format
  qt6-base-dev
  libtag1-dev libgtest-dev libgmock-dev
  xvfb xauth
  dbus-daemon
  xdg-utils
  lame eyed3
  libgstreamer1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa gstreamer1.0-tools
  pulseaudio pulseaudio-utils libasound2-plugins
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
