#!/usr/bin/env bash
# Makes the Wine prefix of the end-to-end tests and gives it what a Japanese Windows has: the
# dialog font and Japanese glyphs behind the menu font (Wine's own Tahoma lacks them).
set -euo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine links the user's Desktop, Documents, Pictures ... to the home folder: here to one of the
# prefix's own, so that what the tests save there never lands among the real user's files.
export HOME="$WINEPREFIX/home"
mkdir -p "$HOME"
/usr/lib/wine/wine64 wineboot.exe --init
for folder in "$WINEPREFIX"/drive_c/users/*/*; do
  if [ -L "$folder" ] && [ "$(readlink "$folder")" != "$HOME" ]; then
    rm "$folder"
    ln -s "$HOME" "$folder"
  fi
done
/usr/lib/wine/wine64 reg.exe add \
  'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
  /v Tahoma /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f
/usr/lib/wine/wine64 reg.exe add 'HKCU\Software\Wine\Fonts\Replacements' \
  /v 'ＭＳ Ｐゴシック' /d IPAPGothic /f
/usr/lib/wine/wineserver64 -w
