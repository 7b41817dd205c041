#!/usr/bin/env bash
# Installs the Debian 12 packages Quorvane needs, only where they are missing.
# Safe to run again.
#   setup.sh run    building and running the program (what ./run.sh needs)
#   setup.sh test   all that, and what the test suite needs (what ./test.sh needs)
set -euo pipefail
what=${1:-test}

run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 libgl-dev libvulkan-dev libx11-dev libxkbcommon-dev libsqlite3-dev libcups2-dev
  fonts-liberation2 fonts-comic-neue ca-certificates
  file dpkg-dev  # cpack -G DEB reads the executables' libraries with them, also right after ./run.sh
  qt6-l10n-tools  # lrelease builds the translations
  iso-codes       # country and currency names in the user's language
)
# GoogleTest; Xvfb and the tools that screenshot, drive and inspect the window;
# a private CUPS scheduler and poppler for the printed page; the locales the
# tests pin; the validators of the desktop entry, metainfo and Debian package.
test_packages=(
  libgtest-dev googletest locales
  xvfb xauth x11-utils imagemagick xdotool sqlite3
  cups cups-client cups-bsd poppler-utils
  desktop-file-utils appstream lintian dpkg-dev
  dbus-daemon at-spi2-core python3-pyatspi
)
case $what in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: setup.sh run|test" >&2; exit 2 ;;
esac

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "$what" = test ] || exit 0

# The tests pin the locale; Qt reads it from the environment, glibc wants it generated.
need_locales=()
for l in en_US.UTF-8 de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8; do
  locale -a 2>/dev/null | grep -qi "^${l%%.*}\.utf-\?8$" || need_locales+=("$l")
done
if [ ${#need_locales[@]} -gt 0 ]; then
  for l in "${need_locales[@]}"; do
    $SUDO sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen >/dev/null
fi
