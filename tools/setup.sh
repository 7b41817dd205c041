#!/usr/bin/env bash
# Installs what building, running and testing Quorvane need on Debian 12, only
# where it is missing. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 libgl-dev libvulkan-dev libx11-dev libxkbcommon-dev libsqlite3-dev
  libgtest-dev googletest
  fonts-liberation2 fonts-comic-neue locales
  xvfb xauth x11-utils imagemagick
  cups cups-client cups-bsd poppler-utils
  dbus-daemon at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The tests pin the locale; Qt reads it from the environment, glibc wants it generated.
need_locales=()
for l in en_US.UTF-8 de_DE.UTF-8; do
  locale -a 2>/dev/null | grep -qi "^${l%%.*}\.utf-\?8$" || need_locales+=("$l")
done
if [ ${#need_locales[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  for l in "${need_locales[@]}"; do
    $SUDO sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen >/dev/null
fi
