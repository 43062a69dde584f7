#!/usr/bin/env bash
# The program's folders stand in one order; each includes only itself and the
# folders before it. Lists every include up the order and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/../app"
order=(core display files fkeys senders views terminal)
found=0
for ((i = 0; i < ${#order[@]}; i++)); do
    for ((j = i + 1; j < ${#order[@]}; j++)); do
        if grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<]${order[j]}/" "${order[i]}"; then
            found=1
        fi
    done
done
if ((found)); then
    echo "the includes above go up the folder order: ${order[*]}" >&2
fi
exit "$found"
