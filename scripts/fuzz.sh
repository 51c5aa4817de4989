#!/usr/bin/env bash
# Builds the fuzz targets with libFuzzer and runs each in turn for SECONDS (default 600),
# starting from the saved corpus in fuzz/corpus and seeds made from the game's own content.
# Afterwards the saved corpus is minimised with the new inputs merged in, crash inputs stay
# in fuzz/crashes/<target>/ (the replay test fails on them until the fault is fixed), and a
# table shows runs, executions per second, coverage features and crashes per target.
# Usage: scripts/fuzz.sh [SECONDS [TARGET...]]   (every target when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
[ $# -gt 0 ] && shift
scripts/dependencies.sh fuzz

build=build-fuzz
# Build-time tools run instrumented too; their memory is not what is being checked here.
ASAN_OPTIONS=detect_leaks=0 cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DVELMORA_FUZZ=ON >/dev/null
targets=${*:-$(sed -n 's/^velmora_fuzz_target(\(.*\))$/\1/p' fuzz/CMakeLists.txt)}
ASAN_OPTIONS=detect_leaks=0 cmake --build $build --target fuzz_seeds \
  $(for t in $targets; do echo "fuzz_$t"; done)

seeds=$build/fuzz-seeds
rm -rf "$seeds"
ASAN_OPTIONS=detect_leaks=0 $build/fuzz/fuzz_seeds "$seeds"

report=$build/fuzz-report.txt
printf '%-14s %12s %10s %10s %8s\n' target runs exec/s features crashes >"$report"
for target in $targets; do
  program=$build/fuzz/fuzz_$target
  work=$build/fuzz-work/$target
  log=$build/fuzz-work/$target.log
  rm -rf "$work" && mkdir -p "$work" "fuzz/corpus/$target" "fuzz/crashes/$target"
  options=$(cat "fuzz/options/$target" 2>/dev/null || true)
  dict=""
  [ -f "fuzz/dict/$target.dict" ] && dict="-dict=fuzz/dict/$target.dict"
  before=$(ls "fuzz/crashes/$target" | wc -l)
  echo "fuzzing $target for $seconds s"
  # One job at a time: the machine is shared. A crash ends the run early; its input is kept.
  $program -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="fuzz/crashes/$target/" \
    $options $dict "$work" "fuzz/corpus/$target" "$seeds/$target" >"$log" 2>&1 || true

  # Minimise: the smallest set of inputs that keeps every feature found so far.
  merged=$build/fuzz-work/$target.merged
  rm -rf "$merged" && mkdir -p "$merged"
  $program -merge=1 $options "$merged" "fuzz/corpus/$target" "$work" "$seeds/$target" \
    >>"$log" 2>&1
  rm -rf "fuzz/corpus/$target" && mv "$merged" "fuzz/corpus/$target"

  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | head -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | head -1)
  features=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  crashes=$(( $(ls "fuzz/crashes/$target" | wc -l) - before ))
  printf '%-14s %12s %10s %10s %8s\n' "$target" "${runs:-?}" "${speed:-?}" "${features:-?}" \
    "$crashes" >>"$report"
done
cat "$report"
