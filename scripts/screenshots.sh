#!/usr/bin/env bash
# Takes PNG screenshots of the station's windows on a virtual X display.
# Usage: scripts/screenshots.sh [output folder]   (default: build/capturas)
set -euo pipefail
cd "$(dirname "$0")/.."
saida="${1:-build/capturas}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target capturas
mkdir -p "$saida"
saida="$(cd "$saida" && pwd)"
source scripts/demo-config.sh
export LD_LIBRARY_PATH="$PWD/build/dev/sim"
servidor=$(scripts/cups-privado.sh start "$caixa/cups")
export "${servidor?}"
trap 'scripts/cups-privado.sh stop "$caixa/cups"' EXIT
(cd "$caixa" && xvfb-run -a -s "-screen 0 1024x768x24" "$OLDPWD/build/dev/tools/capturas" "$saida")
echo "screenshots in $saida"
