#!/usr/bin/env bash
# End to end: the SiTef cannot be reached. The status says "Sem comunicação",
# a sale tried anyway tells the cashier "Sem comunicação com o Sitef." and
# leaves nothing printed, saved or open.
# Usage: tests/e2e/sem_comunicacao.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$1" "$(cd "$(dirname "$0")/../roteiros" && pwd)/sem-link.json"
inicia_estacao

janela "TEF - Kimbro"
status "Sem comunicação" || falha "the status is not 'Sem comunicação'"
tecla ctrl+a
digita "9,90"
tecla Return space
janela "Atenção"
retrato "Atenção"
no_diario '"chamada":"IniciaFuncaoSiTefInterativo"' '"funcao":0' || falha "the sale did not try to start"
grep -q '"resultado":-5' <<<"$linha" || falha "the start did not fail with -5"
mostrou "Atenção | Sem comunicação com o Sitef." || falha "the cashier was not told 'Sem comunicação com o Sitef.'"
tecla Return
sleep 1
[ "$(grep -c "message shown: " "$trabalho/estacao.err")" -eq 1 ] || falha "more than one notice was shown"
! grep -q '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" || falha "something was finalised"
[ ! -e "$trabalho/CUPOM.TXT" ] && [ -z "$(ls "$trabalho/cups/saida" 2>/dev/null)" ] || falha "something was printed"
echo "e2e: no communication shown at start and at the sale; nothing left open"
