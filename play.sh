#!/usr/bin/env bash
# Installs what is missing, builds VELMORA and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencies.sh play
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target velmora
exec build/velmora
