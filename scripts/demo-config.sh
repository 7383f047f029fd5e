# Sourced by the scripts that run the station against the simulator: a
# working folder of its own ($caixa: build/caixa unless the caller chose
# one) and, on first use, the demonstration's configuration.
caixa="${caixa:-$PWD/build/caixa}"
export XDG_CONFIG_HOME="$caixa/config"
export CLISITEF_SIM_DIARIO="$caixa/diario-simulador.jsonl"
"$(dirname "${BASH_SOURCE[0]}")/configuracao-demo.sh" "$XDG_CONFIG_HOME"
