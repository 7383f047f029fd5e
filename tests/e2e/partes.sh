#!/usr/bin/env bash
# End to end: a sale paid in two parts typed on the real binary: the total,
# "&Dividir", 60,00 by credit, the remaining 40,00 by credit again; one
# document for both, both receipts in one job, one finish call.
# Usage: tests/e2e/partes.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

# The part typed where the total was, "Ok", up to the payment menu.
paga_parte() {
  for tentativa in 1 2 3; do
    janela "TEF - Kimbro"
    tecla ctrl+a
    digita "$1"
    tecla Return space
    procura "Opções TEF" 50 && break
  done
  tecla 1
  coleta 4111111111111111 1228 123
  janela "Responda"
  tecla alt+s
}

janela "TEF - Kimbro"
tecla ctrl+a
digita "100,00"
tecla alt+d
paga_parte "60,00"
# The approval's message stays two seconds; then the tab shows the part.
sleep 3
janela "TEF - Kimbro"
retrato "TEF - Kimbro"
! grep -q '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" \
  || falha "a part was finished before the sale was paid"
paga_parte "40,00"
janela "Propriedades de impressão"
tecla alt+i
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' \
  || falha "the sale in parts was not confirmed"
[ "$(grep -c '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl")" -eq 1 ] \
  || falha "more than one finish call for the sale in parts"
[ "$(grep '"chamada":"IniciaFuncaoSiTefInterativo"' "$trabalho/diario.jsonl" | grep '"funcao":0' \
  | sed -E 's/.*"cupom":"([0-9]+)".*/\1/' | sort -u | wc -l)" -eq 1 ] \
  || falha "the parts did not share one document number"
for _ in $(seq 50); do
  job=$(ls "$trabalho/cups/saida"/job-*.prn 2>/dev/null | head -n 1)
  [ -n "$job" ] && break
  sleep 0.1
done
[ -n "$job" ] || falha "no job reached the queue"
# Each receipt: the customer's and the store's copy, both with the amount.
copias=$(grep -a -c "VALOR APROVADO" "$job")
[ "$copias" -eq 4 ] || falha "the job does not hold both receipts ($copias amount lines)"
echo "e2e: sale in two parts confirmed by one finish call, both receipts in one job"
