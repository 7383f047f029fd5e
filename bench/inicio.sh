#!/usr/bin/env bash
# Start-up time: from process start to the station's main window drawn, to
# the window ready for input once the TEF start after it has ended, and to
# the first "Online" TEF status, against the simulator; beside a bare Qt
# Widgets window started the same way (same X server, same environment).
# Prints each median and the ratios. Usage: bench/inicio.sh [runs]   (release build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
cmake --preset release >/dev/null
cmake --build --preset release --target tefkimbro janela_vazia clisitef_sim >/dev/null
source scripts/demo-config.sh
export LD_LIBRARY_PATH="$PWD/build/release/sim"
export QT_LOGGING_RULES="tefkimbro.app.principal.info=true"

# The X server picks a free display and names it once it takes clients.
tela=$(mktemp)
medidas=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tela" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$tela" "$medidas"' EXIT
for _ in $(seq 100); do grep -q . "$tela" && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$tela")"

# Milliseconds from starting command $2... until it prints a line holding $1.
medida() {
  local texto="$1" inicio fim
  shift
  inicio=$(date +%s%N)
  (cd "$caixa" && timeout 4 "$@" 2>&1 || true) | while IFS= read -r linha; do
    if [[ "$linha" == *"$texto"* ]]; then
      fim=$(date +%s%N)
      echo $(( (fim - inicio) / 1000000 ))
      break
    fi
  done
}

mediana() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

estacao=("$PWD/build/release/app/tefkimbro" --pasta "$caixa")
# The station and the bare window take turns, so that a machine busy for a
# moment weighs on both alike.
# A run that timed out says nothing and is left out.
for _ in $(seq "$runs"); do
  echo "desenhada $(medida "main window drawn" "${estacao[@]}")"
  echo "vazia $(medida "window shown" "$PWD/build/release/bench/janela_vazia")"
  echo "pronta $(medida "main window ready for input" "${estacao[@]}")"
  echo "online $(medida "TEF status: Online" "${estacao[@]}")"
done >"$medidas"
de() { awk -v m="$1" '$1 == m && NF == 2 { print $2 }' "$medidas" | mediana; }
desenhada=$(de desenhada)
vazia=$(de vazia)
pronta=$(de pronta)
online=$(de online)
echo "station, start to main window drawn: ${desenhada} ms (median of $runs)"
echo "station, start to window ready for input (TEF started): ${pronta} ms (median of $runs)"
echo "station, start to first Online status: ${online} ms (median of $runs)"
echo "bare Qt window, start to shown:        ${vazia} ms (median of $runs)"
for par in "drawn:$desenhada" "ready:$pronta" "Online:$online"; do
  awk -v n="${par%%:*}" -v a="${par#*:}" -v b="$vazia" \
    'BEGIN { printf "ratio station %s / bare window: %.1f\n", n, a / b }'
done
