#!/usr/bin/env bash
# Builds the program (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/run -DCMAKE_BUILD_TYPE=Release -DZEMBRIK_TESTS=OFF >/dev/null
cmake --build build/run -j"$(nproc)" --target ZembrikMD5
exec build/run/ZembrikMD5
