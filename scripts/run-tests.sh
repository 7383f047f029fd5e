#!/usr/bin/env bash
# Checks the sources' layout, builds the station and runs every test once,
# where it tells most:
#   asan (AddressSanitizer + UndefinedBehaviorSanitizer, warnings as errors,
#        the benchmarks and tools built too): the unit, widget and
#        integration layers; then the system layer (the real binary under
#        Xvfb, the fault injection), three cases at a time: they spend most of
#        their time waiting for windows and the simulator;
#   fuzz (clang, libFuzzer): built while those asan tests run, at the lowest
#        priority (the system layer leaves most of the machine idle, and the
#        build takes what is left); then each target for a bounded time;
#   last, the package case alone (it builds the unsanitized packages itself,
#        on both cores: the fuzz build beside it only slowed it down).
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

# The fuzz build, timed inside its job; its log ends with the time it took.
constroi_fuzz() {
  local inicio=$SECONDS
  constroi fuzz
  echo "== constroi fuzz (beside the tests) took $(( SECONDS - inicio )) s"
}
# Waits for it; shows its output if it failed, its time otherwise.
espera_fuzz() {
  local status=0
  wait "$fuzz" || status=$?
  trap - EXIT
  if [ "$status" -ne 0 ]; then
    cat build/fuzz.log
    return "$status"
  fi
  tail -n 1 build/fuzz.log
}

# The tracked C++ sources laid out as .clang-format says, by Debian 12's
# clang-format: a second before a build of minutes.
formato() {
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
}

etapa formato
etapa constroi asan
# In a session of its own (without job control the job is no group leader,
# so setsid keeps its process id), so that a failure below stops it too.
setsid nice -n 19 bash -euo pipefail -c "$(declare -f constroi constroi_fuzz); constroi_fuzz" \
  >build/fuzz.log 2>&1 &
fuzz=$!
trap 'kill -- -"$fuzz" 2>/dev/null || true' EXIT
etapa ctest --preset asan --no-tests=error -j2 -L 'unit|widgets|integration'
etapa ctest --preset asan --no-tests=error -j3 -L system -LE pacote
etapa espera_fuzz
etapa ctest --preset fuzz --no-tests=error -j2
etapa ctest --preset asan --no-tests=error -L pacote
