#!/usr/bin/env bash
# Compares the code page 932 conversions of the Linux and the Windows build line by line.
# Usage: compare_text_tables.sh LINUX-PROGRAM WINDOWS-PROGRAM
set -euo pipefail
wine="$(cd "$(dirname "$0")" && pwd)/../../scripts/wine-run.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-text-tables-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
"$1" linux.txt
"$wine" "$2" windows.txt
if ! diff linux.txt windows.txt >differences.txt; then
  echo "Conversions that differ (< Linux, > Windows; input, then output, in hexadecimal):"
  head -40 differences.txt
  exit 1
fi
echo "$(wc -l <linux.txt) conversions are the same"
