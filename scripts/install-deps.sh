#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Zudira need, when missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxkbcommon-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev libboost-math-dev
  fonts-liberation2 fonts-dejavu-core
  desktop-file-utils appstream librsvg2-bin dpkg-dev file xvfb
  cups printer-driver-cups-pdf poppler-utils libcups2-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
