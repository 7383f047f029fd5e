#!/usr/bin/env bash
# Start-up time: from process start to the station's main window drawn, to
# the window ready for input once the TEF start after it has ended, and to
# the first "Online" TEF status, against the simulator; beside a bare Qt
# Widgets window started the same way (same X server, same environment).
# Then start to ready with an empty journal, a year's (40,000 rows) and five
# years' (200,000), each made before the timed runs.
# Prints each median and the ratios. Usage: bench/inicio.sh [runs]   (release build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
cmake --preset release >/dev/null
cmake --build --preset release --target tefkimbro janela_vazia clisitef_sim preenche_livro \
  >/dev/null
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

# The journals, each in a working folder of its own, with receipts of about
# 1.2 KB and the last rows today. Their configuration keeps five years, so
# that no run trims a journal the next one reads.
livros="$PWD/build/release/bench/livros"
declare -A linhas=([vazio]=0 [um_ano]=40000 [cinco_anos]=200000)
declare -A dias=([vazio]=1 [um_ano]=365 [cinco_anos]=1825)
rm -rf "$livros"
scripts/configuracao-demo.sh "$livros/config"
echo "MESES_LIVRO_TEF=61" >>"$livros/config/Tef_kimbro.Ini"
for livro in "${!linhas[@]}"; do
  mkdir -p "$livros/$livro"
  build/release/bench/preenche_livro "$livros/$livro/tefkimbro.db" "${linhas[$livro]}" \
    "${dias[$livro]}"
done
# Started with its journal out of the page cache, as after a reboot: what
# the start reads of it is read from the disk.
estacao_com() {
  dd if="$livros/$1/tefkimbro.db" iflag=nocache count=0 status=none
  echo "livro_$1 $(medida "main window ready for input" env XDG_CONFIG_HOME="$livros/config" \
    "${estacao[0]}" --pasta "$livros/$1")"
}
# The station and the bare window take turns, so that a machine busy for a
# moment weighs on both alike.
# A run that timed out says nothing and is left out.
for _ in $(seq "$runs"); do
  echo "desenhada $(medida "main window drawn" "${estacao[@]}")"
  echo "vazia $(medida "window shown" "$PWD/build/release/bench/janela_vazia")"
  echo "pronta $(medida "main window ready for input" "${estacao[@]}")"
  echo "online $(medida "TEF status: Online" "${estacao[@]}")"
  for livro in vazio um_ano cinco_anos; do estacao_com "$livro"; done
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
for livro in vazio um_ano cinco_anos; do
  echo "station, start to ready, journal of ${linhas[$livro]} rows: $(de "livro_$livro") ms" \
    "(median of $runs)"
done
for par in "drawn:$desenhada" "ready:$pronta" "Online:$online"; do
  awk -v n="${par%%:*}" -v a="${par#*:}" -v b="$vazia" \
    'BEGIN { printf "ratio station %s / bare window: %.1f\n", n, a / b }'
done
