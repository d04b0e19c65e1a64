#!/usr/bin/env bash
# Installs the Debian packages Twinsweep needs to build and run; with --tests also those
# its tests and benchmarks use (tag writers, an encoder, a bus and a sound server of the
# tests' own), which a user who only runs the program should not get: a sound server
# installed behind a user's back would take over a plain ALSA set-up.
# Idempotent: returns at once when everything is already installed.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev
  libtag1-dev
  xdg-utils
  libgstreamer1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-alsa
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(
    clang-format
    libgtest-dev libgmock-dev
    xvfb xauth
    dbus-daemon
    lame eyed3
    gstreamer1.0-tools
    pulseaudio pulseaudio-utils libasound2-plugins
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "sudo is not installed: install them as root, e.g. with" >&2
    echo "  su -c 'apt-get update && apt-get install --no-install-recommends ${missing[*]}'" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
