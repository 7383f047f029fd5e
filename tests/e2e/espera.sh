#!/usr/bin/env bash
# End to end, under a real window manager: a wait box that is still up when
# the library asks for data never covers the collection dialog the cashier
# must answer.
# Usage: tests/e2e/espera.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$1" "$(cd "$(dirname "$0")/../roteiros" && pwd)/espera.json"
inicia_estacao

for tentativa in 1 2 3; do
  janela "TEF - Kimbro"
  tecla ctrl+a
  digita "5,00"
  tecla Return space
  procura "Coleta de Dados" 50 && break
  [ "$tentativa" -lt 3 ] || falha "the sale did not start"
done
espera=$(xdotool search --onlyvisible --name '^Aguarde\.\.\.$' | tail -n 1)
coleta=$(xdotool search --onlyvisible --name '^Coleta de Dados$' | tail -n 1)
[ -n "$espera" ] || falha "the wait box is not up under the collection"
# The window manager's stacking order, bottom to top.
pilha=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g')
posicao() { grep -n -i -x "$(printf '0x%x' "$1")" <<<"$pilha" | cut -d: -f1; }
[ -n "$(posicao "$espera")" ] && [ -n "$(posicao "$coleta")" ] || falha "windows not in the stacking list"
[ "$(posicao "$coleta")" -gt "$(posicao "$espera")" ] || falha "the wait box covers the collection"
retrato
tecla Escape
echo "e2e: the collection stays above the wait box"
