#!/usr/bin/env bash
# Installs what building, testing and running need on Debian 12; quiet and
# quick when everything is there already.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev qt6-charts-dev
          libqt6opengl6-dev
          fonts-liberation ccache clang-format xvfb xauth xdotool imagemagick poppler-utils)
if [ "${HRS_SETUP_FUZZ:-}" = 1 ]; then
  packages+=(clang libclang-rt-14-dev)
fi
if [ "${HRS_SETUP_MINIMAL:-}" = 1 ]; then
  packages=(cmake ninja-build g++ libgtest-dev qt6-base-dev qt6-charts-dev libqt6opengl6-dev
            fonts-liberation)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null 2>&1; then
  $sudo apt-get update -qq >/dev/null
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
