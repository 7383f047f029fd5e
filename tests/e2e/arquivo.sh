#!/usr/bin/env bash
# End to end: an approved credit sale sent to a file through "Arquivo" in the
# print dialog: the file holds this sale's receipt as text, nothing
# reaches the queue, and the sale is confirmed once.
# Usage: tests/e2e/arquivo.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

ate_pergunta "21,00"
tecla alt+s
janela "Propriedades de impressão"
tecla alt+e a                          # "&Enviar para:" "Arquivo"
retrato "Propriedades de impressão"
tecla alt+i
janela "Definir o Nome do Arquivo de Impressao"
tecla ctrl+a
digita "$trabalho/recibo.prn"
tecla Return
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' \
  || falha "the sale printed to a file was not confirmed"
[ -s "$trabalho/recibo.prn" ] || falha "no receipt file"
# To a file goes the report's text alone: no printer's output codes.
head -c 3 "$trabalho/recibo.prn" | cmp -s - <(printf '\017\033\062') && falha "the file starts with the printer's output codes"
grep -q 'VIA DO CLIENTE' "$trabalho/recibo.prn" && grep -q 'VIA DO ESTABELECIMENTO' "$trabalho/recibo.prn" \
  || falha "the file lacks a copy of the receipt"
no_diario '"chamada":"IniciaFuncaoSiTefInterativo"' '"funcao":0' || falha "the sale did not start"
cupom=$(sed -E 's/.*"cupom":"([0-9]+)".*/\1/' <<<"$linha")
grep -q "DOC: $cupom" "$trabalho/recibo.prn" || falha "the file is not this sale's receipt"
[ -z "$(ls "$trabalho/cups/saida" 2>/dev/null)" ] || falha "a receipt sent to a file reached the queue"
[ "$(grep -c '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl")" -eq 1 ] \
  || falha "the sale was finalised more than once"
echo "e2e: receipt written to a file ($(stat -c %s "$trabalho/recibo.prn") bytes), sale confirmed"
