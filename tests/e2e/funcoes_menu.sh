#!/usr/bin/env bash
# End to end: the TEF functions menu by keyboard: "B" reprint (printed,
# confirmed), "C" pre-authorisation and "D" its capture (printed, confirmed),
# "F" the administrative menu's day summary (viewed, not printed or
# confirmed), "E" the communication test (its notice shown).
# Usage: tests/e2e/funcoes_menu.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

imprime() {
  janela "Propriedades de impressão"
  tecla alt+i
}
confirmada() {
  no_diario '"chamada":"IniciaFuncaoSiTefInterativo"' "\"funcao\":$1" || falha "function $1 did not start"
  local cupom
  cupom=$(sed -E 's/.*"cupom":"([0-9]+)".*/\1/' <<<"$linha")
  no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' "\"cupom\":\"$cupom\"" || falha "function $1 not confirmed"
  grep -q '"confirma":1' <<<"$linha" || falha "function $1 undone"
}

abre_menu_tef

tecla b; imprime; confirmada 112
janela "Caixa de Varejo \(Menu\)"
tecla c; coleta 4111111111111111 1228 "50,00"; imprime; confirmada 115
janela "Caixa de Varejo \(Menu\)"
tecla d; coleta 123 08122026 "50,00"; imprime; confirmada 116
janela "Caixa de Varejo \(Menu\)"
tecla f
janela "Opções TEF"
tecla 3
janela "Resultado - TEF"
retrato "Resultado - TEF"
no_diario '"funcao":110' || falha "the administrative menu did not start"
tecla s                                # "&Sair"
janela "Caixa de Varejo \(Menu\)"
grep '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" | grep -c . | grep -qx 3 \
  || falha "the viewed summary was confirmed"
tecla e
janela "Atenção"
mostrou "Comunicação com o SiTef em ordem." || falha "the test's notice was not shown"
tecla Return
[ "$(grep -c '"funcao":111' "$trabalho/diario.jsonl")" -ge 2 ] || falha "the test from the menu did not run"
[ "$(ls "$trabalho/cups/saida" | wc -l)" -eq 3 ] || falha "expected three receipts at the queue"
echo "e2e: reprint, pre-authorisation, capture confirmed; summary viewed; test run"
