#!/usr/bin/env bash
# Makes the Wine prefix of the end-to-end tests and gives it what a Japanese Windows has: the
# dialog font and Japanese glyphs behind the menu font (Wine's own Tahoma lacks them).
set -euo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wine64 wineboot.exe --init
/usr/lib/wine/wine64 reg.exe add \
  'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
  /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f
/usr/lib/wine/wine64 reg.exe add 'HKCU\Software\Wine\Fonts\Replacements' \
  /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f
/usr/lib/wine/wineserver64 -w
