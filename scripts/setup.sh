#!/usr/bin/env bash
# Installs every Debian package the project needs, then configures and builds.
# Safe to run again: apt skips what is present and CMake rebuilds incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  g++ cmake ninja-build pkg-config fonts-dejavu-core
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libqt6sql6-sqlite
  libcurl4-openssl-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick poppler-utils python3-pyftpdlib
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

PRESET="${1:-release}"
cmake --preset "$PRESET"
cmake --build --preset "$PRESET" -j"$(nproc)"
