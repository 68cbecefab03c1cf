#!/usr/bin/env bash
# Installs the Debian packages Kartovan+ needs to build, test and run, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libsdl2-dev libespeak-ng-dev espeak-ng-data
  kdegames-card-data-kf5 fonts-liberation2 fonts-dejavu-core
  clang libclang-rt-14-dev
  desktop-file-utils shared-mime-info
  poppler-utils
  xvfb xauth openbox x11-utils xdotool
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
