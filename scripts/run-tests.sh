#!/usr/bin/env bash
# Builds the station and runs every test: first the development build
# (warnings as errors), then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then each libFuzzer target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

for preset in dev asan fuzz; do
  echo "== $preset =="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done
