#!/usr/bin/env bash
# Cross-builds libjpeg-turbo for Windows from Debian's own source package, the one the Linux
# build links, so that both builds write the same JPEG bytes. Done once: the installed library
# in <build folder>/libjpeg-turbo is reused while it exists.
# Usage: scripts/windows-jpeg.sh <build folder>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(mkdir -p "$1" && cd "$1" && pwd)"
prefix="$build/libjpeg-turbo"
[ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ] && exit 0

sources="$build/libjpeg-turbo-source"
if [ ! -f "$sources/CMakeLists.txt" ]; then
  # A deb-src entry for the archive that apt already takes libjpeg62-turbo from.
  if ! apt-get source --print-uris libjpeg-turbo >/dev/null 2>&1; then
    read -r uri dist < <(apt-cache madison libjpeg62-turbo |
      awk -F' [|] ' '$3 ~ / Packages$/ { split($3, f, " "); print f[1], f[2]; exit }')
    [ -n "${uri:-}" ] || { echo "No archive offers libjpeg62-turbo" >&2; exit 1; }
    [ "$(id -u)" -eq 0 ] || {
      echo "Add a deb-src entry as root: deb-src $uri ${dist%%/*} ${dist#*/}" >&2; exit 1; }
    # The entry must name the same key as the archive's binary entry, or apt refuses both.
    key="$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v RS= -v uri="$uri" '
      $0 ~ ("URIs:[^\n]*" uri "([ \n]|$)") && match($0, /Signed-By: *[^ \n]+/) {
        print substr($0, RSTART + 10, RLENGTH - 10); exit }' | tr -d ' ')"
    [ -n "$key" ] || key="$(grep -rhoE "signed-by=[^] ]+[^]]*\] *$uri( |$)" /etc/apt/sources.list \
      /etc/apt/sources.list.d/*.list 2>/dev/null | head -1 | sed -E 's/signed-by=([^] ]+).*/\1/')"
    {
      echo "Types: deb-src"
      echo "URIs: $uri"
      echo "Suites: ${dist%%/*}"
      echo "Components: ${dist#*/}"
      [ -z "$key" ] || echo "Signed-By: $key"
    } >/etc/apt/sources.list.d/velmora-deb-src.sources
    apt-get update -q || { rm -f /etc/apt/sources.list.d/velmora-deb-src.sources; exit 1; }
  fi
  rm -rf "$build/libjpeg-turbo-fetch" && mkdir -p "$build/libjpeg-turbo-fetch"
  (cd "$build/libjpeg-turbo-fetch" && apt-get source -q libjpeg-turbo)
  rm -rf "$sources"
  mv "$(find "$build/libjpeg-turbo-fetch" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*')" "$sources"
  rm -rf "$build/libjpeg-turbo-fetch"
fi

# The C code paths only (no assembler needed); the library's interface is the 6b one, as
# Debian's libjpeg62-turbo.
cmake -S "$sources" -B "$build/libjpeg-turbo-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_JPEG7=OFF -DWITH_JPEG8=OFF >/dev/null
cmake --build "$build/libjpeg-turbo-build" --target jpeg-static
mkdir -p "$prefix/lib" "$prefix/include"
cp "$build/libjpeg-turbo-build/libjpeg.a" "$prefix/lib/"
cp "$build/libjpeg-turbo-build/jconfig.h" "$sources/jpeglib.h" "$sources/jmorecfg.h" \
  "$sources/jerror.h" "$prefix/include/"
