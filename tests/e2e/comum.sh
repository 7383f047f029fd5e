# Sourced by the end-to-end cases: a private CUPS queue, an X server with a
# window manager, a fresh working and configuration folder, the simulator's
# demo, and the helpers that start the real tefkimbro binary and type into it. Every variable the
# station reads is set here; nothing is taken from the caller's environment.
# Usage (in a case): source comum.sh BUILD_DIR [SCENARIO]   (default: the demo)
set -euo pipefail
raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
trabalho="$(mktemp -d)"
pids=()
encerra() {
  # The station first, then its X server.
  for (( i=${#pids[@]}-1; i>=0; i-- )); do kill "${pids[$i]}" 2>/dev/null || true; wait "${pids[$i]}" 2>/dev/null || true; done
  "$raiz/scripts/cups-privado.sh" stop "$trabalho/cups" >/dev/null 2>&1 || true
  rm -rf "$trabalho"
}
trap encerra EXIT
# A command that stops a case without a message of its own (set -e) still
# says where: the case's line and the command.
set -E
trap 'status=$?; echo "e2e: $(basename "$0") line $LINENO: '"'"'$BASH_COMMAND'"'"' failed (status $status)" >&2' ERR
falha() {
  echo "e2e: $*" >&2
  [ ! -s "$trabalho/estacao.err" ] || { echo "--- the station's stderr:" >&2; tail -n 20 "$trabalho/estacao.err" >&2; }
  exit 1
}

servidor=$("$raiz/scripts/cups-privado.sh" start "$trabalho/cups")
export "${servidor?}"
# The X server picks a free display itself and names it once it takes
# clients, so cases running side by side never meet on one display.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$trabalho/tela" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do grep -q . "$trabalho/tela" 2>/dev/null && break; sleep 0.05; done
tela=":$(head -n 1 "$trabalho/tela")"
[ "$tela" != ":" ] || falha "Xvfb did not start"
# A real window manager, as on a store's desktop: it stacks the windows.
DISPLAY="$tela" openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
  DISPLAY="$tela" xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY CLISITEF_SIM_ROTEIRO
# The station says on stderr what it showed and its status: the cases read
# the texts there instead of from pixels.
export QT_LOGGING_RULES="tefkimbro.dialogo.info=true;tefkimbro.app.principal.info=true"
[ -z "${2:-}" ] || export CLISITEF_SIM_ROTEIRO="$2"
export DISPLAY="$tela" LC_ALL=C.UTF-8
export XDG_CONFIG_HOME="$trabalho/config" CLISITEF_SIM_DIARIO="$trabalho/diario.jsonl"
# A station not told its folder works in the user's: never the runner's.
export XDG_DATA_HOME="$trabalho/dados"
# As a desktop session gives it: the report's spool files go there, so a
# station killed while printing leaves nothing behind in /tmp.
export XDG_RUNTIME_DIR="$trabalho/execucao"
mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
export LD_LIBRARY_PATH="$build/sim"
"$raiz/scripts/configuracao-demo.sh" "$XDG_CONFIG_HOME"

# Starts the station in its working folder ($caixa, the temporary folder
# unless a case says otherwise): the built binary, or the command given
# (which names the folder itself); what it says on stderr goes to
# estacao.err in the temporary folder.
caixa="$trabalho"
inicia_estacao() {
  [ "$#" -gt 0 ] || set -- "$build/app/tefkimbro" --pasta "$caixa"
  (cd "$caixa" && exec "$@" 2>>"$trabalho/estacao.err") &
  pids+=($!)
}

# Waits (at most $2 tenths of a second, default 100) for a window whose
# title is $1 and gives it the keyboard; false when it did not open.
procura() {
  local id=""
  for _ in $(seq "${2:-100}"); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || return 1
  xdotool windowfocus --sync "$id"
  sleep 0.3
}
janela() { procura "$1" || falha "window '$1' did not open"; }

# Waits (at most 30 s) for a window titled $1 to show and then to stay
# gone for half a second: a box closed and shown again at once is one
# wait. False when it never came and went.
passou() {
  local visto="" fora=0
  for _ in $(seq 300); do
    if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then
      visto=1 fora=0
    elif [ -n "$visto" ] && (( ++fora >= 5 )); then
      return 0
    fi
    sleep 0.1
  done
  return 1
}
tecla() { xdotool key --delay 30 "$@"; }
digita() { xdotool type --delay 20 "$1"; }

# Closes the last station started as the cashier does, Alt+F4 on its
# window, and waits for it to end with status 0. The window refuses while a
# transaction or the start runs, so whatever the station did is in its
# journal, and the journal closed, when it ends. Asked again until taken.
fecha_estacao() {
  local status=0
  for _ in $(seq 20); do
    procura "TEF - Kimbro" 10 || break
    # Made active through the window manager, whose Alt+F4 closes that one.
    timeout 2 xdotool search --onlyvisible --name '^TEF - Kimbro$' windowactivate --sync \
      >/dev/null 2>&1 || true
    tecla alt+F4
    sleep 0.5
  done
  ! procura "TEF - Kimbro" 1 || falha "the station did not close"
  wait "${pids[-1]}" || status=$?
  unset 'pids[-1]'
  [ "$status" -eq 0 ] || falha "the station ended with status $status"
}

# Leaves a PNG of the window titled $1 (of the whole screen without a title)
# in the build's e2e-telas folder, named after the case and $2, for a person
# to look at after the run.
retrato() {
  local pasta="$build/e2e-telas" id=""
  mkdir -p "$pasta"
  [ -z "${1:-}" ] || id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1)
  "$build/tools/retrato" "$pasta/$(basename "$0" .sh)${2:+-$2}.png" ${id:+"$id"} \
    || falha "no screenshot of '${1:-the screen}'"
}

# Waits until the station has shown a message holding $1 (and each further
# argument, in that one message).
mostrou() {
  local linhas fragmento
  for _ in $(seq 100); do
    linhas=$(grep -F "message shown: " "$trabalho/estacao.err" 2>/dev/null || true)
    for fragmento in "$@"; do linhas=$(grep -F -- "$fragmento" <<<"$linhas" || true); done
    [ -n "$linhas" ] && return 0
    sleep 0.1
  done
  return 1
}

# Waits until the station has said its TEF status is $1.
status() {
  for _ in $(seq 200); do
    grep -q "TEF status: $1" "$trabalho/estacao.err" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

# Waits until the journal holds a line with all the given fragments.
no_diario() {
  for _ in $(seq 100); do
    linha=$(grep -F "$1" "$trabalho/diario.jsonl" 2>/dev/null | grep -F "${2:-}" | tail -n 1 || true)
    [ -n "$linha" ] && return 0
    sleep 0.1
  done
  return 1
}

# Types the amount and presses "Ok" until the payment menu opens. A window
# that got the X focus before Qt took it may lose the first keys: then again.
inicia_venda() {
  for tentativa in 1 2 3; do
    janela "TEF - Kimbro"
    tecla ctrl+a
    digita "$1"
    tecla Return space
    procura "Opções TEF" 50 && return 0
  done
  falha "the sale did not start"
}

# Opens the TEF functions menu from the configuration tab, the same way.
abre_menu_tef() {
  for tentativa in 1 2 3; do
    janela "TEF - Kimbro"
    tecla ctrl+Tab alt+m
    procura "Caixa de Varejo \(Menu\)" 50 && return 0
  done
  falha "the TEF functions menu did not open"
}

# Types each value into the data collection that opens for it.
coleta() {
  for valor in "$@"; do
    janela "Coleta de Dados"
    tecla ctrl+a
    digita "$valor"
    tecla Return
  done
}

# A credit sale of the demo typed as a cashier does, up to the amount
# question: the amount, "Ok", credit, card number, expiry, security code.
ate_pergunta() {
  inicia_venda "$1"
  tecla 1
  coleta 4111111111111111 1228 123
  janela "Responda"
}

# The same sale to its end: "&Sim" to the amount, print.
vende_credito() {
  ate_pergunta "$1"
  tecla alt+s
  janela "Propriedades de impressão"
  tecla alt+i
}
