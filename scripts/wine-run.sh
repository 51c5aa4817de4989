#!/usr/bin/env bash
# Runs a Windows program under Wine in a prefix of its own, beside the build folder that
# holds the program (or $WINEPREFIX when set), without Wine's debug messages.
set -euo pipefail
program="$1"
shift
if [ -z "${WINEPREFIX:-}" ]; then
  folder="$(cd "$(dirname "$program")" && pwd)"
  # The build folder is the nearest one up holding CMakeCache.txt.
  while [ "$folder" != / ] && [ ! -f "$folder/CMakeCache.txt" ]; do folder="$(dirname "$folder")"; done
  [ "$folder" = / ] && folder="$(cd "$(dirname "$program")" && pwd)"
  export WINEPREFIX="$folder/wineprefix"
fi
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
exec /usr/lib/wine/wine64 "$program" "$@"
