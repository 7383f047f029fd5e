#!/usr/bin/env bash
# End to end: scripts/start.sh where no CUPS scheduler answers starts its
# private one, and a demo sale's receipt lands, byte for byte, in that
# queue's output folder, as the README promises a newcomer. Then the
# station is closed and the script stops its scheduler.
# Usage: tests/e2e/demo_impressora.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
caixa="$trabalho/caixa"
trap '"$raiz/scripts/cups-privado.sh" stop "$caixa/cups" >/dev/null 2>&1 || true; encerra' EXIT
mkdir -p "$caixa"
# Nothing answers here: the case's own scheduler is not the one to find.
export CUPS_SERVER="$trabalho/nenhum/cups.sock"

inicia_estacao "$raiz/scripts/start.sh" "$build" "$caixa"
vende_credito "3,21"
confirmada() {
  grep '"chamada":"FinalizaTransacaoSiTefInterativo"' "$caixa/diario-simulador.jsonl" 2>/dev/null \
    | grep '"confirma":1'
}
for _ in $(seq 100); do confirmada >/dev/null && break; sleep 0.1; done
linha=$(confirmada) || falha "the sale was not confirmed"
cupom=$(sed -E 's/.*"cupom":"([0-9]+)".*/\1/' <<<"$linha")
recibo=$(ls "$caixa/cups/saida"/job-*.prn 2>/dev/null | head -n 1)
[ -n "$recibo" ] || falha "no receipt in the private queue's output folder"
head -c 3 "$recibo" | cmp -s - <(printf '\017\033\062') || falha "the receipt does not start with 15 27 50"
grep -a -q 'VIA DO CLIENTE' "$recibo" && grep -a -q "DOC: $cupom" "$recibo" \
  || falha "the job is not the sale's receipt"

janela "TEF - Kimbro"
tecla alt+F4
status=0
wait "${pids[-1]}" || status=$?
unset 'pids[-1]'
[ "$status" -eq 0 ] || falha "scripts/start.sh ended with status $status"
[ ! -e "$caixa/cups/cupsd.pid" ] || falha "the private scheduler was left running"
echo "e2e: start.sh's private queue printed the receipt ($(stat -c %s "$recibo") bytes)"
