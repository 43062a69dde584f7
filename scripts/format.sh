#!/usr/bin/env bash
# Formats the tracked C and C++ sources with the committed .clang-format.
# With --check it changes nothing: it lists the files that drift and fails
# when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.c' '*.cpp' '*.h')

if [ "${1:-}" = "--check" ]; then
  drifting=$(clang-format --dry-run "${sources[@]}" 2>&1 |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: \(warning\|error\): .*/\1/p' | sort -u)
  [ -z "$drifting" ] && exit 0
  echo "Not formatted as .clang-format says (scripts/format.sh formats them):" >&2
  echo "$drifting" >&2
  exit 1
fi

clang-format -i "${sources[@]}"
