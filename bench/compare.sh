#!/bin/sh
# Builds two revisions side by side and prints every benchmark's ratios for both in one table.
#
# Usage: bench/compare.sh REV1 REV2 [RUNS]
#
# Each revision is unpacked from git into a temporary folder and built there as a Release build
# (through ccache when it is installed), with the benchmarks of that same revision: a revision
# older than a benchmark shows "-" for it. velmora_bench's ratio counters are medians of RUNS
# repetitions (default 3); bench/startup_bench.py runs RUNS x 3 starts of each program.
set -eu

if [ $# -lt 2 ]; then
    echo "usage: $0 REV1 REV2 [RUNS]" >&2
    exit 2
fi
runs=${3:-3}
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-compare-XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

# The compiler sees paths relative to its build folder, so the two trees share ccache's entries.
launcher=""
if command -v ccache >/dev/null 2>&1; then
    export CCACHE_BASEDIR="$work"
    launcher="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi

# build LABEL REV: the revision's tree in $work/LABEL, its programs in $work/LABEL/build.
build() {
    mkdir -p "$work/$1"
    git -C "$repo" archive "$2" | tar -x -C "$work/$1"
    echo "building $2 in $work/$1" >&2
    # shellcheck disable=SC2086  # the launcher is two separate options, or none
    cmake -S "$work/$1" -B "$work/$1/build" -G Ninja -DCMAKE_BUILD_TYPE=Release $launcher \
        >"$work/$1.log" 2>&1
    for target in velmora velmora_minimal_window velmora_bench velmora_make_kept_game; do
        cmake --build "$work/$1/build" --target "$target" >>"$work/$1.log" 2>&1 ||
            echo "  $2 has no $target (or it failed to build; see the log)" >&2
    done
}

# measure LABEL: "name value" lines of every ratio (and the start-up benchmark's memory).
measure() {
    tree="$work/$1"
    if [ -x "$tree/build/bench/velmora_bench" ]; then
        "$tree/build/bench/velmora_bench" --benchmark_repetitions="$runs" \
            --benchmark_report_aggregates_only=true --benchmark_format=json \
            --benchmark_out="$work/$1.json" >/dev/null 2>&1 || true
        if [ -s "$work/$1.json" ]; then python3 - "$work/$1.json"; fi <<'EOF'
import json, sys
for entry in json.load(open(sys.argv[1]))["benchmarks"]:
    if entry.get("aggregate_name", "median") == "median":
        for key, value in entry.items():
            if key.startswith("ratio"):
                print("%s:%s %.2f" % (entry.get("run_name", entry["name"]), key, value))
EOF
    fi
    if [ -f "$tree/bench/startup_bench.py" ] && [ -x "$tree/build/velmora" ] &&
        [ -x "$tree/build/bench/velmora_minimal_window" ]; then
        python3 "$tree/bench/startup_bench.py" "$tree/build" $((runs * 3)) 2>/dev/null |
            awk 'NF == 2 && $2 ~ /^[0-9.]+$/ { print "startup:" $1, $2 }'
    fi
}

build a "$1"
build b "$2"
echo "measuring $1" >&2
measure a >"$work/a.txt"
echo "measuring $2" >&2
measure b >"$work/b.txt"

python3 - "$work/a.txt" "$work/b.txt" "$1" "$2" <<'EOF'
import sys
def read(path):
    values = {}
    for line in open(path):
        name, value = line.split()
        values[name] = value
    return values
first, second = read(sys.argv[1]), read(sys.argv[2])
names = list(first) + [name for name in second if name not in first]
width = max([len(name) for name in names] + [9])
print("%-*s %14s %14s" % (width, "benchmark", sys.argv[3][:14], sys.argv[4][:14]))
for name in names:
    print("%-*s %14s %14s" % (width, name, first.get(name, "-"), second.get(name, "-")))
EOF
