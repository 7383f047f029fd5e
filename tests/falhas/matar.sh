#!/usr/bin/env bash
# Fault injection: sales and TEF functions (cancellation, reprint,
# pre-authorisation) one after another against the simulator's demo, the
# station killed with SIGKILL at a random moment of each (during the
# library's dialogue, while the library's approval is shown, between approval
# and printing, while printing, while a working file is written, inside the
# finish call, which the simulator makes last 1.5 s as a server's answer may)
# and started again; a last start resolves what was left. Then the
# invariants: document numbers never repeat, working files are never empty or
# torn, every approved sale or function is confirmed once after its receipt
# reached the queue or undone (or, for those the station's rule confirms,
# confirmed once), never both, never neither; a decision sent again only as
# it was; nothing the station's journal recorded as printed undone, nothing
# left open in it, and a transaction a kill left started told to the cashier
# as interrupted by the start that ended it (a copy of the journal is kept
# after each kill, read once no station runs).
# Usage: tests/falhas/matar.sh BUILD_DIR [KILLS [SEED]]   (the test command runs
#        a few; by hand: tests/falhas/matar.sh build/release 200). The seed it
#        prints replays the same transactions and kill moments.
source "$(dirname "$0")/../e2e/comum.sh" "$1"
mortes="${2:-8}"
semente="${3:-$(( (RANDOM << 15) | RANDOM ))}"
RANDOM=$semente
echo "matar: seed $semente (replay: $0 $1 $mortes $semente)"
export CLISITEF_SIM_PAUSA_FINALIZA=1500

imprime() {
  janela "Propriedades de impressão"
  tecla alt+i
}
# Types transaction $1 (the amount $2 for a sale), answering first the notice
# of one the last run left; gives up quietly when the station is killed under
# it. Half are sales. Drawn by the caller: a subshell draws another sequence.
digita_transacao() {
  procura "Atenção" 15 && tecla Return
  case $1 in
    0) abre_menu_tef; tecla a; coleta 1234 "12,34" 123 08122026; janela "Responda"; tecla alt+s; imprime ;;
    1) abre_menu_tef; tecla b; imprime ;;
    2) abre_menu_tef; tecla c; coleta 4111111111111111 1228 "50,00"; imprime ;;
    *) vende_credito "$2" ;;
  esac
  sleep 30
}

finalizacao='"chamada":"FinalizaTransacaoSiTefInterativo"'
aprovacao='"comando":1,.*"texto":"[^"]*aprova'
# How many lines of file $2 match the extended expression $1.
conta() {
  local linhas
  linhas=$(grep -c -E "$1" "$2" 2>/dev/null) || linhas=${linhas:-0}
  echo "$linhas"
}
# Waits (20 s at most) for the library's journal to gain a line matching $1.
espera_linha() {
  local antes
  antes=$(conta "$1" "$trabalho/diario.jsonl")
  for _ in $(seq 200); do
    (( $(conta "$1" "$trabalho/diario.jsonl") > antes )) && return 0
    sleep 0.1
  done
}

livros=()
for (( i = 1; i <= mortes; i++ )); do
  inicia_estacao
  estacao=${pids[-1]}
  transacao=$(( RANDOM % 6 ))
  valor="$(( RANDOM % 90 + 1 )),$(( RANDOM % 90 + 10 ))"
  ( digita_transacao "$transacao" "$valor" ) >/dev/null 2>&1 &
  digitador=$!
  if (( i % 5 == 0 )); then
    # Every fifth is killed inside the finish call, once it reached the
    # library, whatever the random moments would have hit.
    espera_linha "$finalizacao"
  elif (( i % 5 == 3 )); then
    # Another fifth at a random instant of the approval message the station
    # shows for 2 s before the receipt (or of the finish call, for a function
    # that shows none).
    espera_linha "($aprovacao)|($finalizacao)"
    sleep "0.$(( RANDOM % 10 ))"
  else
    # Up to 13 s: a typed sale takes about 8 (2 of them the approval's
    # pause), its printing about 1, its finish call 1.5; the functions less.
    sleep "$(( RANDOM % 13 )).$(( RANDOM % 10 ))"
  fi
  kill -KILL "$estacao" 2>/dev/null || true
  kill "$digitador" 2>/dev/null || true
  wait "$estacao" "$digitador" 2>/dev/null || true
  unset 'pids[-1]'
  livros+=("$trabalho/livros/$i/tefkimbro.db")
  mkdir -p "$trabalho/livros/$i"
  cp "$trabalho"/tefkimbro.db* "$trabalho/livros/$i/" 2>/dev/null || true
done

# The last start undoes or confirms what the killed ones left; closed, it
# leaves its journal to be read.
prontas=$(conta 'main window ready for input' "$trabalho/estacao.err")
inicia_estacao
for _ in $(seq 60); do
  (( $(conta 'main window ready for input' "$trabalho/estacao.err") > prontas )) && break
  procura "Atenção" 5 && tecla Return
done
fecha_estacao
"$build/tests/verifica_falhas" "$trabalho/diario.jsonl" "$trabalho" "$trabalho/cups/saida" \
  "$XDG_CONFIG_HOME/Tef_kimbro.Ini" "$trabalho/estacao.err" "${livros[@]}" \
  | sed "s/^starts/kills $mortes, starts/"
