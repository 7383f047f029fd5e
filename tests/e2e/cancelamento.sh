#!/usr/bin/env bash
# End to end: a cancellation from the TEF functions menu typed on the X
# keyboard, up to its question. Only the screen shows that the supervisor
# password typed as the collection opens reaches its masked field: the
# lower layers type into that field by name. What the cancellation sends
# the library, prints and confirms is asserted by teste_integracao_tef.
# Usage: tests/e2e/cancelamento.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

abre_menu_tef
tecla a
coleta 1234 "12,34" 123 08122026     # password, amount, NSU, date of the sale
janela "Responda"                    # "Confirma o cancelamento de R$ 12,34?"
retrato "Responda"
echo "e2e: the supervisor password typed as its collection opened; the cancellation asks to confirm"
