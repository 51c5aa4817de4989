#!/usr/bin/env bash
# Runs the leak cycles under valgrind and passes only when nothing is definitely lost.
# Usage: valgrind_leaks.sh PROGRAM NAME COUNT [NAME COUNT]...
set -uo pipefail
log=$(mktemp)
trap 'rm -f "$log"' EXIT
valgrind --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=3 \
  --log-file="$log" "$@"
status=$?
sed -n '/HEAP SUMMARY/,$p' "$log"
if [ $status -ne 0 ]; then
  cat "$log"
  echo "valgrind found errors or definite leaks (exit $status)"
  exit 1
fi
# With nothing left at exit valgrind says so instead of printing the leak summary.
grep -qE 'definitely lost: 0 bytes|no leaks are possible' "$log"
