#!/usr/bin/env bash
# The drag measurement (one drag step against copying the group's boxes with memcpy, for one
# piece and for the 12-piece group) run natively and as a Windows program under Wine, side by
# side.  Usage: bench/wine/drag_bench.sh BUILD_DIR BUILD_WINDOWS_DIR
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR BUILD_WINDOWS_DIR" >&2; exit 2; }
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
echo "native:"
"$1/bench/wine/velmora_drag_ratio"
echo "under Wine:"
"$source_dir/scripts/wine-run.sh" "$2/bench/wine/velmora_drag_ratio.exe"
