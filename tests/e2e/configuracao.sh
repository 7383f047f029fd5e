#!/usr/bin/env bash
# End to end: the first start without a configuration says "IP inválido";
# the configuration typed on the "Configuração" tab and saved with "&Salvar
# Configuração" is in the file, and the next start is "Online".
# Usage: tests/e2e/configuracao.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
rm -f "$XDG_CONFIG_HOME/Tef_kimbro.Ini"

inicia_estacao
janela "TEF - Kimbro"
status "IP inválido" || { cat "$trabalho/estacao.err" >&2; falha "the first start did not say 'IP inválido'"; }
tecla ctrl+Tab
digita "127.0.0.1"; tecla Tab
digita "00000000"; tecla Tab
digita "SE000001"; tecla Tab
digita "11.222.333/0001-81"; tecla Tab   # the store's CNPJ, kept without its punctuation
digita "1234"
tecla alt+s                          # "&Salvar Configuração"
janela "Responda"
tecla s                              # "Confirma dados de configuração?"
ini="$XDG_CONFIG_HOME/Tef_kimbro.Ini"
for _ in $(seq 50); do [ -s "$ini" ] && break; sleep 0.1; done
for chave in "HOST_SERVIDOR = 127.0.0.1" "IDENT_EMPRESA = 00000000" "IDENT_ESTACAO = SE000001" \
  "CNPJ_LOJA = 11222333000181"; do
  grep -q "$chave" "$ini" || falha "the configuration lacks '$chave'"
done

kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null || true; unset 'pids[-1]'
: >"$trabalho/estacao.err"
inicia_estacao
janela "TEF - Kimbro"
status "Online" || falha "the restart with the saved configuration is not Online"
tecla ctrl+Tab
retrato "TEF - Kimbro"
echo "e2e: 'IP inválido' without configuration, 'Online' after saving it"
