#!/usr/bin/env bash
# Builds the station and runs every test once where it tells most:
#   dev  (warnings as errors): the unit, widget and integration layers, and
#        the package case (a package of sanitized binaries means nothing);
#   asan (AddressSanitizer + UndefinedBehaviorSanitizer): the same layers
#        again, then the system layer (the real binary under Xvfb, the fault
#        injection), which runs only here, three cases at a time: they spend
#        most of their time waiting for windows and the simulator;
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

etapa constroi dev
etapa ctest --preset dev -j2 -L 'unit|widgets|integration|pacote'
etapa constroi asan
etapa ctest --preset asan -j2 -L 'unit|widgets|integration'
etapa ctest --preset asan -j3 -L system -LE pacote
etapa constroi fuzz
etapa ctest --preset fuzz -j2
