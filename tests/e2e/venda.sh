#!/usr/bin/env bash
# End to end: the real tefkimbro binary under Xvfb, typed into with xdotool,
# against the simulator's demo and a private CUPS queue. Checks the receipt
# files, the bytes that reached the queue and the simulator's journal.
# Usage: tests/e2e/venda.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"

# Day files older than the 30 days kept: the oldest one past the newest 30
# is removed at start (a clock set ahead keeps the newest 30 whatever their dates).
mkdir -p "$trabalho/log"
for dia in $(seq -w 1 31); do echo antigo >"$trabalho/log/tef-200001$dia.log"; done
inicia_estacao

vende_credito "12,34"

no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' \
  || falha "the sale was not confirmed"
retrato "TEF - Kimbro"
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
[ -e "$trabalho/log/tef-20000131.log" ] || falha "one of the newest 30 TEF logs was removed"
grep -q 'IniciaFuncaoSiTefInterativo( 0 "        12,34"' "$log" || falha "the log lacks the start call"
grep -q 'comando 21' "$log" && grep -q 'comando 30 tipoCampo 512' "$log" || falha "the log lacks the commands"
grep -q 'FinalizaTransacaoSiTefInterativo( 1 .* confirmada' "$log" || falha "the log lacks the confirmation"
grep -q '<dado sigiloso omitido>' "$log" || falha "the card reply was not left out"
# Card-like: 13 to 19 digits passing the check digit (Luhn); dates and NSUs stay.
! grep -E -o '[0-9]+' "$log" | awk 'length($0) >= 13 && length($0) <= 19 {
    s = 0; for (i = length($0); i > 0; i--) { d = substr($0, i, 1) * ((length($0) - i) % 2 ? 2 : 1); s += d > 9 ? d - 9 : d }
    if (s % 10 == 0) r = 1 } END { exit !r }' || falha "a card-like number reached the log"
echo "e2e: sale confirmed, receipt printed ($(stat -c %s "$trabalho_cups") bytes)"
