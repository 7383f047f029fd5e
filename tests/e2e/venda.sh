#!/usr/bin/env bash
# End to end: the real tefkimbro binary under Xvfb, typed into with xdotool,
# against the simulator's demo and a private CUPS queue. Checks the receipt
# files, the bytes that reached the queue and the simulator's journal.
# Usage: tests/e2e/venda.sh BUILD_DIR
set -euo pipefail
raiz="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
trabalho="$(mktemp -d)"
tela=":$(( 200 + RANDOM % 100 ))"
pids=()
encerra() {
  # The station first, then its X server.
  for (( i=${#pids[@]}-1; i>=0; i-- )); do kill "${pids[$i]}" 2>/dev/null || true; wait "${pids[$i]}" 2>/dev/null || true; done
  "$raiz/scripts/cups-privado.sh" stop "$trabalho/cups" >/dev/null 2>&1 || true
  rm -rf "$trabalho"
}
trap encerra EXIT
falha() { echo "e2e: $*" >&2; exit 1; }

servidor=$("$raiz/scripts/cups-privado.sh" start "$trabalho/cups")
export "${servidor?}"
Xvfb "$tela" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${tela#:}" ] && break; sleep 0.1; done
export DISPLAY="$tela"
export XDG_CONFIG_HOME="$trabalho/config" CLISITEF_SIM_DIARIO="$trabalho/diario.jsonl"
export LD_LIBRARY_PATH="$build/sim"
mkdir -p "$XDG_CONFIG_HOME"
printf '[CONF_TEF]\r\nHOST_SERVIDOR=127.0.0.1\r\nIDENT_EMPRESA=00000000\r\nIDENT_ESTACAO=SE000001\r\n' \
  > "$XDG_CONFIG_HOME/Tef_kimbro.Ini"

(cd "$trabalho" && exec "$build/app/tefkimbro") &
pids+=($!)

# Waits (at most $2 tenths of a second, default 100) for a window whose
# title is $1 and gives it the keyboard; false when it did not open.
procura() {
  local id=""
  for _ in $(seq "${2:-100}"); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  xdotool windowfocus --sync "$id"
  sleep 0.3
}
janela() { procura "$1" || falha "window '$1' did not open"; }
tecla() { xdotool key --delay 30 "$@"; }
digita() { xdotool type --delay 20 "$1"; }

# The amount, then from the amount to "Ok" and press it. A window that got
# the X focus before Qt took it may lose the first keys: then again.
for tentativa in 1 2 3; do
  janela "TEF - Kimbro"
  tecla ctrl+a
  digita "12,34"
  tecla Return space
  procura "Opções TEF" 50 && break
  [ "$tentativa" -lt 3 ] || falha "the sale did not start"
done
tecla 1
for valor in 4111111111111111 1228 123; do
  janela "Coleta de Dados"
  digita "$valor"
  tecla Return
done
janela "Responda"
tecla alt+s                          # "Confirma o valor de R$ 12,34?"
janela "Propriedades de impressão"
tecla alt+i

for _ in $(seq 100); do
  grep -q '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" 2>/dev/null && break
  sleep 0.1
done
grep '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" | grep -q '"confirma":1' \
  || falha "the sale was not confirmed"
grep '"chamada":"IniciaFuncaoSiTefInterativo"' "$trabalho/diario.jsonl" | grep -q '"valor":"        12,34"' \
  || falha "the sale did not start with the amount 12,34"
grep -q 'VIA DO CLIENTE' "$trabalho/CUPOM.TXT" || falha "CUPOM.TXT does not hold the receipt"
trabalho_cups=$(ls "$trabalho/cups/saida"/job-*.prn 2>/dev/null | head -n 1)
[ -n "$trabalho_cups" ] || falha "no job reached the queue"
head -c 3 "$trabalho_cups" | cmp -s - <(printf '\017\033\062') || falha "the job does not start with 15 27 50"
echo "e2e: sale confirmed, receipt printed ($(stat -c %s "$trabalho_cups") bytes)"
