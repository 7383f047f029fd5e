#!/usr/bin/env bash
# End to end: a sale paid in two parts typed on the real binary: the total,
# "&Dividir" (Alt+D), 60,00 by credit, the remaining 40,00 by credit again,
# and one print dialog for both once nothing remains. The parts' one
# document, their one finish call and their one print job are asserted by
# teste_partes and teste_integracao_tef.
# Usage: tests/e2e/partes.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

janela "TEF - Kimbro"
tecla ctrl+a
digita "100,00"
tecla alt+d
ate_pergunta "60,00"
tecla alt+s
# The approval stays two seconds in its wait box; then the tab shows the part.
passou "Aguarde\.\.\." || falha "the first part did not end"
retrato "TEF - Kimbro"
ate_pergunta "40,00"
tecla alt+s
janela "Propriedades de impressão"
tecla alt+i
echo "e2e: sale in two parts typed, one print dialog for both"
