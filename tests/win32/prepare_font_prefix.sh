#!/usr/bin/env bash
# Makes a Wine prefix for the Win32 back end's tests with one Japanese face installed, given
# as the first argument, backed by the system's IPA P Gothic: "ＭＳ Ｐゴシック" as a Japanese
# Windows has it, or "MS UI Gothic" as a Windows without the optional Japanese fonts has.
set -euo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wine64 wineboot.exe --init
/usr/lib/wine/wine64 reg.exe add 'HKCU\Software\Wine\Fonts\Replacements' \
  /v "$1" /d IPAPGothic /f
/usr/lib/wine/wineserver64 -w
