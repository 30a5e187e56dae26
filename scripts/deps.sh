#!/usr/bin/env bash
# Installs the Debian packages Tintamar needs to build, run, test and package, when any is missing.
set -euo pipefail

PACKAGES=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
  libsdl2-dev libgtk-3-dev libfreetype-dev libfontconfig-dev libx11-dev libxtst-dev libxfixes-dev
  adwaita-icon-theme
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-pil librsvg2-bin sox imagemagick
  fonts-comic-neue fonts-liberation2 fonts-urw-base35 fonts-noto-color-emoji fonts-dejavu-core
  xvfb xdotool x11-utils poppler-utils xdg-utils xdg-user-dirs libnss-wrapper
  scdoc desktop-file-utils appstream dpkg-dev file lintian man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
