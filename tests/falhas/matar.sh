#!/usr/bin/env bash
# Fault injection: sale after sale against the simulator's demo, the station
# killed with SIGKILL at a random moment of each (during the library's
# dialogue, between approval and printing, while printing, while a working
# file is written) and started again; a last start resolves what was left.
# Then the invariants: document numbers never repeat, working files are never
# empty or torn, every approved sale is confirmed once after its receipt
# reached the queue or undone, never both, never neither.
# Usage: tests/falhas/matar.sh BUILD_DIR [KILLS]   (the test command runs a few;
#        by hand: tests/falhas/matar.sh build/release 200)
source "$(dirname "$0")/../e2e/comum.sh" "$1"
mortes="${2:-8}"

# Types a sale, answering first the notice of a transaction the last run
# left; gives up quietly when the station is killed under it.
digita_venda() {
  procura "Atenção" 15 && tecla Return
  vende_credito "$(( RANDOM % 90 + 1 )),$(( RANDOM % 90 + 10 ))"
  sleep 30
}

for (( i = 1; i <= mortes; i++ )); do
  inicia_estacao
  estacao=${pids[-1]}
  ( digita_venda ) >/dev/null 2>&1 &
  digitador=$!
  # Up to 12 s: a typed sale takes about 8 (2 of them the approval's pause),
  # its printing about 1.
  sleep "$(( RANDOM % 12 )).$(( RANDOM % 10 ))"
  kill -KILL "$estacao" 2>/dev/null || true
  kill "$digitador" 2>/dev/null || true
  wait "$estacao" "$digitador" 2>/dev/null || true
  unset 'pids[-1]'
done

# The last start undoes or confirms what the killed ones left.
inicia_estacao
procura "Atenção" 30 && tecla Return
janela "TEF - Kimbro"
sleep 1
"$build/tests/verifica_falhas" "$trabalho/diario.jsonl" "$trabalho" "$trabalho/cups/saida" \
  "$XDG_CONFIG_HOME/Tef_kimbro.Ini" | sed "s/^starts/kills $mortes, starts/"
