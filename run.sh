#!/usr/bin/env bash
# Installs what is missing, builds VELDRAKON and the library it loads into the
# release build build/, and starts it. The tests are test.sh's to build; the
# benchmarks are built on request (see the README).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target VELDRAKON
exec build/bin/VELDRAKON "$@"
