#!/usr/bin/env bash
# Builds the station and starts it against the built-in client-library
# simulator, in a working folder of its own (build/caixa) with a demo
# configuration. When no CUPS scheduler answers, a private one is started for
# the demo, with a raw queue that writes each printed receipt to a file.
# Packages: run scripts/install-deps.sh as root first.
# Usage: scripts/start.sh [BUILD_DIR [FOLDER]]   an already built tree and a
# working folder instead of the release build (built here) and build/caixa.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release
fi
build="$(cd "${1:-build/release}" && pwd)"
caixa="$(mkdir -p "${2:-build/caixa}" && cd "${2:-build/caixa}" && pwd)"
source scripts/demo-config.sh
export LD_LIBRARY_PATH="$build/sim${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
# cupsctl fails when no scheduler answers; lpstat -r would not (it says
# "scheduler is not running" and exits 0).
if ! cupsctl >/dev/null 2>&1; then
  servidor=$(scripts/cups-privado.sh start "$caixa/cups")
  export "${servidor?}"
  trap 'scripts/cups-privado.sh stop "$caixa/cups"' EXIT
  echo "TefKimbro: no CUPS scheduler answered; a private one prints to $caixa/cups/saida"
fi
echo "TefKimbro: working folder $caixa; simulator journal $CLISITEF_SIM_DIARIO"
"$build/app/tefkimbro" --pasta "$caixa"
