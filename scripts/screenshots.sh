#!/usr/bin/env bash
# Takes PNG screenshots of the station's windows on a virtual X display.
# Usage: scripts/screenshots.sh [output folder]   (default: build/capturas)
set -euo pipefail
cd "$(dirname "$0")/.."
saida="${1:-build/capturas}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target capturas
mkdir -p "$saida"
xvfb-run -a -s "-screen 0 1024x768x24" build/dev/tests/capturas "$saida"
echo "screenshots in $saida"
