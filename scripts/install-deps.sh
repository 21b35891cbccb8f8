#!/usr/bin/env bash
# Installs the Debian packages that building and running Zudira need, when missing.
#   --tests    also what the tests need (the test command): GoogleTest, Xvfb, CUPS, R and
#              LibreOffice for the copied formulas, lintian and the other checkers
#   --package  also what building and checking the Debian package needs
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxkbcommon-dev libx11-dev
  libboost-math-dev libcups2-dev libicu-dev
  fonts-liberation2 fonts-dejavu-core
)
package_packages=(dpkg-dev file lintian)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils appstream librsvg2-bin xvfb
  cups printer-driver-cups-pdf poppler-utils
  r-base-core libreoffice-calc-nogui
)
case "${1:-}" in
  --tests) packages+=("${package_packages[@]}" "${test_packages[@]}") ;;
  --package) packages+=("${package_packages[@]}") ;;
  "") ;;
  *) echo "usage: $0 [--tests | --package]" >&2; exit 2 ;;
esac
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
