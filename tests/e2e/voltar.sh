#!/usr/bin/env bash
# End to end: "&Voltar" at the expiry date takes the cashier back to the card
# number, as the library asks; retyped, the sale goes on and is confirmed.
# Usage: tests/e2e/voltar.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

inicia_venda "5,00"
tecla 1
coleta 4111111111111111
janela "Coleta de Dados"
no_diario '"tipoCampo":513' || falha "the expiry date was not asked"
retrato "Coleta de Dados"
tecla alt+v
no_diario '"chamada":"ContinuaFuncaoSiTefInterativo"' '"continua":1' || falha "the library was not told to go back"
[ "$(grep -c '"tipoCampo":512' "$trabalho/diario.jsonl")" -eq 2 ] || falha "the card number was not asked again"
coleta 4111111111111111 1228 123
janela "Responda"
tecla alt+s
janela "Propriedades de impressão"
tecla alt+i
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' || falha "the sale was not confirmed"
echo "e2e: back from the expiry date to the card number; sale confirmed"
