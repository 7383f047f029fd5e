#!/usr/bin/env bash
# Start-up time: from process start to the first "Online" TEF status shown by
# the station against the simulator, against a bare Qt Widgets window started
# the same way (both under xvfb-run). Prints each median and the ratio.
# Usage: bench/inicio.sh [runs]   (release build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
cmake --preset release >/dev/null
cmake --build --preset release --target tefkimbro janela_vazia clisitef_sim >/dev/null
source scripts/demo-config.sh
export LD_LIBRARY_PATH="$PWD/build/release/sim"
# Qt prints the seconds since process start in front of each logged line.
export QT_MESSAGE_PATTERN='%{time process} %{message}'

# Seconds from start to the first line holding $2, for the program $1.
medida() {
  local saida
  saida=$(cd "$caixa" && QT_LOGGING_RULES="tefkimbro.app.principal.info=true" \
    timeout 8 xvfb-run -a "$1" 2>&1 || true)
  grep -m1 -F "$2" <<<"$saida" | awk '{print $1}'
}

mediana() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

estacao=$(for _ in $(seq "$runs"); do medida "$PWD/build/release/app/tefkimbro" "TEF status: Online"; done | mediana)
vazia=$(for _ in $(seq "$runs"); do medida "$PWD/build/release/bench/janela_vazia" "window shown"; done | mediana)
echo "station, start to first Online status: ${estacao} s (median of $runs)"
echo "bare Qt window, start to shown:        ${vazia} s (median of $runs)"
awk -v a="$estacao" -v b="$vazia" 'BEGIN { printf "ratio station / bare window: %.2f\n", a / b }'
