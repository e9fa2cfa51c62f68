#!/usr/bin/env bash
# Builds and runs every test: a Release build, an AddressSanitizer +
# UndefinedBehaviorSanitizer build, and the digest tests cross-built for a
# big-endian machine (s390x under qemu). Any failure or sanitizer finding fails it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

jobs=$(nproc)
run_suite() {  # name, extra cmake args...
  local dir=build/$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

echo "== Release build"
run_suite release
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
run_suite asan -DZEMBRIK_SANITIZE=ON
echo "== Big-endian digest tests (s390x under qemu)"
scripts/test-s390x.sh
