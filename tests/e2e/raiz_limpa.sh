#!/usr/bin/env bash
# By hand, not in the test command (it needs root and the machine's package
# sources, and takes minutes): the packages of build/pacote
# (scripts/pacote.sh) on a minimal Debian 12 root made with mmdebstrap from
# the sources apt uses here, as a store installs them.
# apt-get pulls every dependency of tefkimbro; the station, started by a
# normal user from a terminal, works in that user's folder and says the
# library is missing; the store's library installed as README.Debian says
# (/usr/local/lib and ldconfig) brings it online; then tefkimbro-demo
# installs beside it and sells, printing to this case's private CUPS queue.
# Usage: tests/e2e/raiz_limpa.sh BUILD_DIR   (a built tree, for the screenshot tool)
source "$(dirname "$0")/comum.sh" "$@"
[ "$(id -u)" -eq 0 ] || falha "run as root (chroot, mounts)"
debs="$raiz/build/pacote"
ls "$debs"/tefkimbro_*.deb "$debs"/tefkimbro-demo_*.deb >/dev/null || falha "run scripts/pacote.sh first"

debian="$(mktemp -d /var/tmp/tefkimbro-debian12.XXXXXX)"
montagens=()
desmonta() {
  for (( i=${#montagens[@]}-1; i>=0; i-- )); do umount -l "${montagens[$i]}" 2>/dev/null || true; done
  encerra
  rm -rf "$debian"
}
trap desmonta EXIT
monta() { mkdir -p "$debian$2"; mount "${@:3}" "$1" "$debian$2"; montagens+=("$debian$2"); }

# The files apt reads its package sources from on this machine, one a line
# (one-line and deb822 alike): the new root gets them, so a store behind a
# mirror of its own makes it from that mirror. Given none, mmdebstrap would
# take a public one.
fontes_da_maquina() {
  local lista partes arquivo
  eval "$(apt-config shell lista Dir::Etc::sourcelist/f partes Dir::Etc::sourceparts/d)"
  for arquivo in "$lista" "$partes"*.list "$partes"*.sources; do
    if [ -s "$arquivo" ]; then echo "$arquivo"; fi
  done
}
mapfile -t fontes < <(fontes_da_maquina)
[ "${#fontes[@]}" -gt 0 ] || falha "apt names no package sources on this machine"

# useradd (passwd) only to make the cashier's account.
mmdebstrap --variant=apt --include=passwd bookworm "$debian" "${fontes[@]}" \
  >"$trabalho/mmdebstrap.log" 2>&1 || { tail -n 20 "$trabalho/mmdebstrap.log" >&2; falha "mmdebstrap failed"; }
monta proc /proc -t proc
monta /dev /dev --bind
# This case's folder at the same path inside: its CUPS socket, journal and
# the station's stderr.
monta "$trabalho" "$trabalho" --bind
cp "$debs"/tefkimbro_*.deb "$debs"/tefkimbro-demo_*.deb "$debian/tmp/"
dentro() { chroot "$debian" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
dentro useradd -m caixa
# The simulator's journal is written there by the cashier.
chown "$(dentro id -u caixa)" "$trabalho"

instala() {
  dentro apt-get install -y "$1" >"$trabalho/apt.log" 2>&1 || { tail -n 30 "$trabalho/apt.log" >&2; falha "apt-get install $1 failed"; }
  echo "raiz_limpa: apt-get install $1: $(grep -c '^Setting up ' "$trabalho/apt.log") packages set up"
}
dentro apt-get update >"$trabalho/apt.log" 2>&1 || { cat "$trabalho/apt.log" >&2; falha "apt-get update failed"; }
instala "$(ls "$debian"/tmp/tefkimbro_*.deb | sed "s|^$debian||")"

# The station as the cashier, from a terminal in the home folder.
como_caixa=(chroot "$debian" runuser -u caixa -- env -i PATH=/usr/bin:/bin HOME=/home/caixa
  LC_ALL=C.UTF-8 DISPLAY="$DISPLAY" CUPS_SERVER="$CUPS_SERVER" QT_LOGGING_RULES="$QT_LOGGING_RULES"
  CLISITEF_SIM_DIARIO="$trabalho/diario.jsonl" sh -c 'cd "$HOME" && exec "$@"' caixa)
inicia_estacao "${como_caixa[@]}" tefkimbro
status "Dll Inválida" || falha "without the library the status is not 'Dll Inválida'"
grep -q 'tefkimbro.app.principal: Biblioteca SiTef libclisitef.so não carregada' "$trabalho/estacao.err" \
  || falha "the status line does not say why the library is missing"
[ -e "$debian/home/caixa/.local/share/tefkimbro/tefkimbro.lock" ] || falha "not in the user's folder"
retrato "TEF - Kimbro" sem-biblioteca
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null || true; unset 'pids[-1]'

# The store's library as README.Debian says (the simulator stands in for
# it), and the configuration the "Configuração" tab would write.
cp "$raiz/build/pacote/sim/libclisitef.so" "$debian/usr/local/lib/"
dentro ldconfig
dentro runuser -u caixa -- mkdir -p /home/caixa/.config
install -m 600 -o "$(dentro id -u caixa)" "$raiz/packaging/Tef_kimbro.demo.ini" \
  "$debian/home/caixa/.config/Tef_kimbro.Ini"
dentro ldconfig -p | grep -q 'libclisitef.so ' || falha "ldconfig does not list libclisitef.so"
: >"$trabalho/estacao.err"
inicia_estacao "${como_caixa[@]}" tefkimbro
status "Online" || falha "with the library in /usr/local/lib the station is not online"
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null || true; unset 'pids[-1]'
rm "$debian/usr/local/lib/libclisitef.so"
dentro ldconfig

instala "$(ls "$debian"/tmp/tefkimbro-demo_*.deb | sed "s|^$debian||")"
: >"$trabalho/estacao.err"
inicia_estacao "${como_caixa[@]}" tefkimbro-demo
vende_credito "9,99"
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' || falha "the demo sale was not confirmed"
ls "$trabalho/cups/saida"/job-*.prn >/dev/null 2>&1 || falha "the demo's receipt did not print"
retrato "TEF - Kimbro" demo
echo "raiz_limpa: station and demonstration installed on a minimal Debian 12 root; demo sale confirmed"
