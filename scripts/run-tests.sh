#!/usr/bin/env bash
# Builds the station and runs every test once, where it tells most:
#   asan (AddressSanitizer + UndefinedBehaviorSanitizer, warnings as errors,
#        the benchmarks and tools built too): the unit, widget and
#        integration layers; then the system layer (the real binary under
#        Xvfb, the fault injection), three cases at a time: they spend most of
#        their time waiting for windows and the simulator; then the package
#        case alone (it builds the unsanitized packages itself);
#   fuzz (clang, libFuzzer): each target for a bounded time.
# Each stage says how long it took. Stops at the first failure, non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

etapa() {
  local inicio=$SECONDS
  "$@"
  echo "== $* took $(( SECONDS - inicio )) s"
}
constroi() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

etapa constroi asan
etapa ctest --preset asan -j2 -L 'unit|widgets|integration'
etapa ctest --preset asan -j3 -L system -LE pacote
etapa ctest --preset asan -L pacote
etapa constroi fuzz
etapa ctest --preset fuzz -j2
