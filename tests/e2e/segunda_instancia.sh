#!/usr/bin/env bash
# End to end: a second station started in the working folder of a running
# one (a double click) says so and exits with status 3, without calling the
# library or touching the working files.
# Usage: tests/e2e/segunda_instancia.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
inicia_estacao

janela "TEF - Kimbro"
no_diario '"chamada":"IniciaFuncaoSiTefInterativo"' || falha "the first station did not start its TEF"
sleep 0.5
antes_diario=$(wc -l <"$trabalho/diario.jsonl")
antes_sequencia=$(cat "$trabalho/tef_sequencia.ini")

"$build/app/tefkimbro" --pasta "$trabalho" 2>"$trabalho/segunda.err" &
segunda=$!
janela "Atenção"
retrato "Atenção"
tecla Return
status=0
wait "$segunda" || status=$?
[ "$status" -eq 3 ] || falha "the second station ended with status $status"
grep -q "TefKimbro já está em execução nesta pasta." "$trabalho/segunda.err" \
  || falha "the second station did not say why it ended"
[ "$(wc -l <"$trabalho/diario.jsonl")" -eq "$antes_diario" ] || falha "the second station called the library"
[ "$(cat "$trabalho/tef_sequencia.ini")" = "$antes_sequencia" ] || falha "tef_sequencia.ini changed"
kill -0 "${pids[-1]}" 2>/dev/null || falha "the first station ended"
echo "e2e: a second station in the same folder refused"
