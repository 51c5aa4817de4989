#!/usr/bin/env bash
# Compares the files the Linux and the Windows build of velmora_game_files write for the same
# game: the play file, the finished BMP and JPEG are the same bytes, and each build opens the
# other's play file and saves it again unchanged.
# Usage: compare_game_files.sh LINUX-PROGRAM WINDOWS-PROGRAM
set -euo pipefail
linux="$1"
windows="$2"
wine="$(cd "$(dirname "$0")" && pwd)/../../scripts/wine-run.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-compared-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/linux" "$work/windows"
cd "$work"

"$linux" linux
"$wine" "$windows" windows
status=0
same() {
  if cmp "$1" "$2"; then echo "same: $1 $2"; else status=1; fi
}
for file in game.jps finished.bmp finished.jpg; do
  same "linux/$file" "windows/$file"
done
"$linux" linux windows/game.jps
"$wine" "$windows" windows linux/game.jps
same linux/game.jps linux/resaved.jps
same linux/game.jps windows/resaved.jps
exit $status
