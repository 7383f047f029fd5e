# Sourced by the scripts that run the station against the simulator: a
# working folder of its own and, on first use, a demo configuration.
caixa="$PWD/build/caixa"
mkdir -p "$caixa/config"
export XDG_CONFIG_HOME="$caixa/config"
export CLISITEF_SIM_DIARIO="$caixa/diario-simulador.jsonl"
if [ ! -f "$caixa/config/Tef_kimbro.Ini" ]; then
  printf '[CONF_TEF]\r\nHOST_SERVIDOR=127.0.0.1\r\nIDENT_EMPRESA=00000000\r\nIDENT_ESTACAO=SE000001\r\nSENHA_TEF=1234\r\nTEXTO_PINPAD=Bem-vindo!\r\n' \
    > "$caixa/config/Tef_kimbro.Ini"
  chmod 600 "$caixa/config/Tef_kimbro.Ini"
fi
