#!/usr/bin/env bash
# Builds the station and starts it against the built-in client-library
# simulator, in a working folder of its own (build/caixa) with a demo
# configuration. Packages: run scripts/install-deps.sh as root first.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release
source scripts/demo-config.sh
export LD_LIBRARY_PATH="$PWD/build/release/sim${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
echo "TefKimbro: working folder $caixa; simulator journal $CLISITEF_SIM_DIARIO"
cd "$caixa"
exec "$OLDPWD/build/release/app/tefkimbro"
