#!/usr/bin/env bash
# End to end: a sale the issuer declines (the demo's card 4000000000000002):
# the library's notice is shown, nothing is printed, saved or confirmed.
# Usage: tests/e2e/recusada.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

inicia_venda "50,00"
tecla 1
coleta 4000000000000002 1228
janela "Atenção"                       # "Transação não autorizada pelo emissor..."
no_diario '"comando":22' 'não autorizada' || falha "the decline was not shown"
mostrou "Transação não autorizada pelo emissor" || falha "the cashier was not told of the decline"
retrato "Atenção"
tecla Return
no_diario '"resultado":5' || falha "the sale did not end declined"
sleep 1
! grep -q '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" || falha "a declined sale was confirmed or undone"
[ ! -e "$trabalho/CUPOM.TXT" ] || falha "a declined sale left a receipt"
[ -z "$(ls "$trabalho/cups/saida" 2>/dev/null)" ] || falha "a declined sale printed"
echo "e2e: declined sale shown, nothing printed or confirmed"
