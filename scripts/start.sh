#!/usr/bin/env bash
# Builds the station and starts it against the built-in client-library
# simulator, in a working folder of its own (build/caixa) with a demo
# configuration. When no CUPS scheduler answers, a private one is started for
# the demo, with a raw queue that writes each printed receipt to a file.
# Packages: run scripts/install-deps.sh as root first.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
source scripts/demo-config.sh
export LD_LIBRARY_PATH="$PWD/build/release/sim${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
if ! lpstat -r >/dev/null 2>&1; then
  servidor=$(scripts/cups-privado.sh start "$caixa/cups")
  export "${servidor?}"
  trap 'scripts/cups-privado.sh stop "$caixa/cups"' EXIT
  echo "TefKimbro: no CUPS scheduler answered; a private one prints to $caixa/cups/saida"
fi
echo "TefKimbro: working folder $caixa; simulator journal $CLISITEF_SIM_DIARIO"
raiz="$PWD"
cd "$caixa"
"$raiz/build/release/app/tefkimbro" --pasta "$caixa"
