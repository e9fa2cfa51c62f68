#!/usr/bin/env bash
# Builds the program (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh run
cmake -S . -B build/run -DCMAKE_BUILD_TYPE=Release -DZEMBRIK_TESTS=OFF >/dev/null
cmake --build build/run -j"$(nproc)" --target ZembrikMD5
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Built build/run/ZembrikMD5; it needs a desktop session (no DISPLAY or WAYLAND_DISPLAY here)." >&2
  exit 1
fi
exec build/run/ZembrikMD5
