#!/usr/bin/env bash
# End to end: the print dialog cancelled, then "Tentar novamente?" answered
# "&Sim": printed the second time and confirmed once; the next sale's print
# dialog cancelled and "&Não": undone, the cashier told.
# Usage: tests/e2e/reimpressao_pedida.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

# A credit sale up to its print dialog.
ate_imprimir() {
  ate_pergunta "$1"
  tecla s
  janela "Propriedades de impressão"
}

ate_imprimir "3,00"
tecla Escape
janela "Responda"
mostrou "Cupom TEF não foi impresso. Tentar novamente?" || falha "the retry question was not shown"
retrato "Responda"
tecla s
janela "Propriedades de impressão"
tecla alt+i
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' || falha "not confirmed after the retry"
primeira=$(grep -c '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl")
[ "$primeira" -eq 1 ] || falha "confirmed $primeira times"
[ "$(ls "$trabalho/cups/saida" | wc -l)" -eq 1 ] || falha "the retry did not print exactly once"

ate_imprimir "4,00"
tecla Escape
janela "Responda"
tecla n
janela "Atenção"
mostrou "Transação TEF não efetuada. Favor reter o Cupom." || falha "the cashier was not told the sale was undone"
tecla Return
no_diario '"evento":"desfeita"' || falha "the second sale was not undone"
[ "$(grep -c '"confirma":1' "$trabalho/diario.jsonl")" -eq 1 ] || falha "the second sale was confirmed"
echo "e2e: print retried and confirmed once; declined retry undone"
