#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer test build and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELDRAKON_SANITIZE=ON
cmake --build build-test -j "$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@"
