#!/usr/bin/env bash
# Makes a Wine prefix for the Win32 back end's tests with one Japanese face installed, given
# as the first argument, backed by the system's IPA P Gothic: "ＭＳ Ｐゴシック" as a Japanese
# Windows has it, or "MS UI Gothic" as a Windows without the optional Japanese fonts has. The
# second argument, when given, is the desktop's DPI (192 for a display at 200 %).
set -euo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The user's document folders link to a home folder of the prefix's own, never the real one.
export HOME="$WINEPREFIX/home"
mkdir -p "$HOME"
/usr/lib/wine/wine64 wineboot.exe --init
/usr/lib/wine/wine64 reg.exe add 'HKCU\Software\Wine\Fonts\Replacements' \
  /v "$1" /d IPAPGothic /f
if [ -n "${2:-}" ]; then
  for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
    /usr/lib/wine/wine64 reg.exe add "$key" /v LogPixels /t REG_DWORD /d "$2" /f
  done
fi
/usr/lib/wine/wineserver64 -w
