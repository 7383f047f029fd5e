#!/usr/bin/env bash
# End to end: a cancellation from the TEF functions menu, typed with the
# keyboard as a cashier does: "&Menu TEF", "A", the supervisor password, the
# amount, the document number and date, "&Sim", print. Checks the journal
# (function 200 confirmed with its own number, date and time) and the queue.
# Usage: tests/e2e/cancelamento.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

abre_menu_tef
tecla a
coleta 1234 "12,34" 123 08122026     # password, amount, NSU, date of the sale
janela "Responda"
tecla alt+s                          # "Confirma o cancelamento de R$ 12,34?"
janela "Propriedades de impressão"
tecla alt+i

no_diario '"chamada":"IniciaFuncaoSiTefInterativo"' '"funcao":200' \
  || falha "the cancellation did not start"
inicio="$linha"
campo() { sed -E "s/.*\"$1\":\"([^\"]*)\".*/\\1/" <<<"$2"; }
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' "\"cupom\":\"$(campo cupom "$inicio")\"" \
  || falha "the cancellation was not confirmed"
final="$linha"
grep -q '"confirma":1' <<<"$final" || falha "the cancellation was undone"
[ "$(campo data "$final")$(campo hora "$final")" = "$(campo data "$inicio")$(campo hora "$inicio")" ] \
  || falha "confirmed with another date or time"
grep -q '"buffer":"12,34"' "$trabalho/diario.jsonl" || falha "the amount 12,34 was not sent"
trabalho_cups=$(ls "$trabalho/cups/saida"/job-*.prn 2>/dev/null | head -n 1)
[ -n "$trabalho_cups" ] || falha "no job reached the queue"
grep -q 'CANCELAMENTO DE VENDA' "$trabalho_cups" || falha "the job is not the cancellation receipt"
# Back on the menu, Esc closes it and the station takes keys again.
janela "Caixa de Varejo \(Menu\)"
retrato "Caixa de Varejo \(Menu\)"
tecla Escape
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "^Caixa de Varejo" >/dev/null 2>&1 || break
  sleep 0.1
done
! xdotool search --onlyvisible --name "^Caixa de Varejo" >/dev/null 2>&1 || falha "the menu did not close"
echo "e2e: cancellation confirmed, receipt printed ($(stat -c %s "$trabalho_cups") bytes)"
