#!/usr/bin/env bash
# Builds the station and runs every test once, where it tells most:
#   asan (AddressSanitizer + UndefinedBehaviorSanitizer, warnings as errors,
#        the benchmarks and tools built too): the unit, widget and
#        integration layers; then the system layer (the real binary under
#        Xvfb, the fault injection), three cases at a time: they spend most of
#        their time waiting for windows and the simulator; then the package
#        case alone (it builds the unsanitized packages itself);
#   fuzz (clang, libFuzzer): built while the asan tests run, at the lowest
#        priority (those tests spend much of their time waiting, and the
#        build takes what they leave); then each target for a bounded time.
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

# Waits for the fuzz build started beside the tests; shows its output if it failed.
espera_fuzz() {
  wait "$fuzz" || { cat build/fuzz.log; return 1; }
}

etapa constroi asan
# In a session of its own, so that a failure below stops it too.
setsid nice -n 19 bash -c "$(declare -f constroi); constroi fuzz" >build/fuzz.log 2>&1 &
fuzz=$!
trap 'kill -- -"$fuzz" 2>/dev/null || true' EXIT
etapa ctest --preset asan -j2 -L 'unit|widgets|integration'
etapa ctest --preset asan -j3 -L system -LE pacote
etapa ctest --preset asan -L pacote
etapa espera_fuzz
etapa ctest --preset fuzz -j2
