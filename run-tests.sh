#!/usr/bin/env bash
# Installs what is missing, builds VELMORA with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencies.sh test

werror=OFF
[ "${CI:-}" = true ] && werror=ON

# The Windows build: velmora.exe and its zip, and its tests as Windows programs under Wine.
scripts/build-windows.sh
(cd build-windows && ctest --output-on-failure -j2)

# The unit and scenario tests once more under AddressSanitizer, which also reports leaks.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON \
  -DVELMORA_WERROR=$werror >/dev/null
cmake --build build-asan
(cd build-asan && ctest --output-on-failure -LE e2e -j2)

# The whole tree, tests included, compiled with clang as well, so that it stays free of what
# only one compiler accepts or warns about; its unit and scenario tests run once more.
CC=clang-14 CXX=clang++-14 cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMORA_WERROR=$werror >/dev/null
cmake --build build-clang
(cd build-clang && ctest --output-on-failure -LE 'e2e|valgrind' -j2)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=$werror >/dev/null
cmake --build build
cd build
ctest --output-on-failure -j2
