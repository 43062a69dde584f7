#!/usr/bin/env bash
# Installs what is missing, builds the release build into build/ and starts VELDRAKON.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"
if [ -x build/bin/VELDRAKON ]; then
  exec build/bin/VELDRAKON "$@"
fi
echo "Built build/bin/libtovaline.so; the program VELDRAKON is not part of this build yet."
