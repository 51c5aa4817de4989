#!/usr/bin/env bash
# Builds the Windows program, build-windows/velmora.exe, and the archive a Windows player
# unpacks, build-windows/velmora-windows.zip, with the tests that run under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencies.sh windows
scripts/windows-jpeg.sh build-windows

werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=$werror >/dev/null
cmake --build build-windows
