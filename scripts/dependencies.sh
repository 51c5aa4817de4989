#!/usr/bin/env bash
# Installs the Debian packages VELMORA needs, or says how when not run as root.
# Usage: scripts/dependencies.sh play|test|fuzz|windows
set -euo pipefail

# webp-pixbuf-loader, librsvg2-common: WebP and SVG pictures for puzzles made from the
# player's pictures.
build_packages="cmake ninja-build pkg-config g++ gettext libgtk-3-dev libsdl2-dev libjpeg62-turbo-dev
  libglib2.0-dev-bin fonts-ipafont-gothic webp-pixbuf-loader librsvg2-common"
test_packages="libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool imagemagick x11-apps
  x11-xserver-utils x11-utils gsettings-desktop-schemas python3 valgrind faketime xauth icewm locales
  desktop-file-utils appstream lintian dpkg-dev file clang-14"

fuzz_packages="clang-14 libclang-rt-14-dev"
# The Windows build: the cross compiler, Wine for its tests, GoogleTest's sources, Debian's
# source package tools for libjpeg-turbo, zip for the player's archive.
windows_packages="g++-mingw-w64-x86-64-posix wine64 libgtest-dev dpkg-dev zip"

packages="$build_packages"
case "${1:-play}" in
  test) packages="$packages $test_packages $windows_packages" ;;
  fuzz) packages="$packages $test_packages $fuzz_packages" ;;
  windows) packages="$packages $windows_packages" ;;
esac

missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done

if [ -n "$missing" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "VELMORA needs these Debian packages. Install them with:"
    echo "  sudo apt-get update && sudo apt-get install -y$missing"
    exit 1
  fi
  echo "Installing:$missing"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

# The tests play the game under an English locale too.
if [ "${1:-play}" != play ] && ! locale -a | grep -qix 'en_US.utf-\?8'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "The tests need the en_US.UTF-8 locale. Make it with:"
    echo "  sudo localedef -i en_US -c -f UTF-8 en_US.UTF-8"
    exit 1
  fi
  localedef -i en_US -c -f UTF-8 en_US.UTF-8
fi
