#!/usr/bin/env bash
# End to end: the real tefkimbro binary under Xvfb, typed into with xdotool,
# against the simulator's demo and a private CUPS queue. Checks the receipt
# files, the bytes that reached the queue and the simulator's journal.
# Usage: tests/e2e/venda.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"

# A day file older than the 30 days kept: removed at start.
mkdir -p "$trabalho/log"
echo antigo >"$trabalho/log/tef-20000101.log"
inicia_estacao

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

no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' \
  || falha "the sale was not confirmed"
grep '"chamada":"IniciaFuncaoSiTefInterativo"' "$trabalho/diario.jsonl" | grep -q '"valor":"        12,34"' \
  || falha "the sale did not start with the amount 12,34"
grep -q 'VIA DO CLIENTE' "$trabalho/CUPOM.TXT" || falha "CUPOM.TXT does not hold the receipt"
trabalho_cups=$(ls "$trabalho/cups/saida"/job-*.prn 2>/dev/null | head -n 1)
[ -n "$trabalho_cups" ] || falha "no job reached the queue"
head -c 3 "$trabalho_cups" | cmp -s - <(printf '\017\033\062') || falha "the job does not start with 15 27 50"
# The day's TEF log: the start call, the commands, the confirmation, and the
# card number typed only masked.
log="$trabalho/log/tef-$(date +%Y%m%d).log"
[ -f "$log" ] || falha "no TEF log for today"
[ ! -e "$trabalho/log/tef-20000101.log" ] || falha "an old TEF log was kept"
grep -q 'IniciaFuncaoSiTefInterativo( 0 "        12,34"' "$log" || falha "the log lacks the start call"
grep -q 'comando 21' "$log" && grep -q 'comando 30 tipoCampo 512' "$log" || falha "the log lacks the commands"
grep -q 'FinalizaTransacaoSiTefInterativo( 1 .* confirmada' "$log" || falha "the log lacks the confirmation"
grep -q '<dado sigiloso omitido>' "$log" || falha "the card reply was not left out"
! grep -E -q '(^|[^0-9])[0-9]{13,19}([^0-9]|$)' "$log" || falha "a card-like number reached the log"
echo "e2e: sale confirmed, receipt printed ($(stat -c %s "$trabalho_cups") bytes)"
