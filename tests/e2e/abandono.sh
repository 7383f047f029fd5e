#!/usr/bin/env bash
# End to end: the cashier gives up three times: Esc at the payment menu, Esc
# at the card number, "&Cancelar" at the amount question. Each time the
# library is told to stop, the cashier reads "Operação cancelada pelo
# operador.", nothing is printed or finalised, and the next sale still works.
# Usage: tests/e2e/abandono.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

# The sale's last continuation said -1 and the library ended it with -2.
abandonada() {
  no_diario '"chamada":"ContinuaFuncaoSiTefInterativo"' '"continua":-1' || falha "$1: the library was not told to stop"
  no_diario '"chamada":"ContinuaFuncaoSiTefInterativo"' '"resultado":-2' || falha "$1: the sale did not end abandoned"
  janela "Atenção"
  mostrou "Operação cancelada pelo operador." || falha "$1: the cashier was not told"
  tecla Return
  : >"$trabalho/estacao.err"
  mv "$trabalho/diario.jsonl" "$trabalho/diario-$1.jsonl"
}

inicia_venda "1,00"
tecla Escape
abandonada menu

inicia_venda "2,00"
tecla 1
janela "Coleta de Dados"
digita "4111"
tecla Escape
abandonada cartao

ate_pergunta "3,00"
mostrou "Confirma o valor de R$ 3,00?" || falha "the amount question was not shown"
retrato "Responda"
tecla alt+c
abandonada pergunta

! cat "$trabalho"/diario-*.jsonl | grep -q '"chamada":"FinalizaTransacaoSiTefInterativo"' || falha "an abandoned sale was finalised"
[ ! -e "$trabalho/CUPOM.TXT" ] && [ -z "$(ls "$trabalho/cups/saida" 2>/dev/null)" ] || falha "an abandoned sale printed"
vende_credito "4,00"
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' || falha "the sale after the abandons was not confirmed"
echo "e2e: abandoned at the menu, the card number and the question; the next sale confirmed"
