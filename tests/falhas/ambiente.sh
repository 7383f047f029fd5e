#!/usr/bin/env bash
# Faults of the station's surroundings, each with the real binary under Xvfb:
# the client library missing at start with a payment left open, CUPS stopped
# while printing, another program after the journal, the lock file deleted
# under a running station, a kill during the library's approval message, the
# working folder's disk full, and the working folder made read-only in the
# middle of a sale. Each must end with the cashier told what happened and
# every approved payment confirmed once after its receipt reached the queue,
# or undone: never both, never neither.
# Usage: tests/falhas/ambiente.sh BUILD_DIR [CASE...]
# The full-disk case mounts a small tmpfs folder, the read-only ones an ext4
# image on a loop device: where that is not allowed (not root, a container
# without the right, no loop devices or ext4), they are skipped and say so.
source "$(dirname "$0")/../e2e/comum.sh" "$1"
montagens=()
lacos=()
# The stations first: a mounted folder they hold open would not unmount.
desmonta() {
  for (( i=${#pids[@]}-1; i>=0; i-- )); do kill "${pids[$i]}" 2>/dev/null || true; wait "${pids[$i]}" 2>/dev/null || true; done
  pids=()
  for m in "${montagens[@]}"; do umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true; done
  for l in "${lacos[@]}"; do losetup -d "$l" 2>/dev/null || true; done
  encerra
}
trap desmonta EXIT

# The document number of the last start in the journal.
ultimo_cupom() {
  grep '"chamada":"IniciaFuncaoSiTefInterativo"' "$trabalho/diario.jsonl" | tail -n 1 \
    | sed -E 's/.*"cupom":"([0-9]+)".*/\1/'
}
para_estacao() {
  kill "-${1:-TERM}" "${pids[-1]}" 2>/dev/null || true
  wait "${pids[-1]}" 2>/dev/null || true
  unset 'pids[-1]'
}
# A working folder of its own on a tmpfs of $2 kilobytes.
pasta_em_tmpfs() {
  caixa="$trabalho/$1"
  mkdir -p "$caixa"
  mount -t tmpfs -o "size=${2}k,mode=0700" tmpfs "$caixa"
  montagens+=("$caixa")
}
# A working folder of its own on an ext4 image of $2 kilobytes behind a loop
# device, mounted errors=remount-ro as a counter's disk would be.
pasta_em_ext4() {
  caixa="$trabalho/$1"
  imagem="$trabalho/$1.img"
  mkdir -p "$caixa"
  truncate -s "${2}k" "$imagem"
  mkfs.ext4 -q "$imagem"
  laco=$(losetup -f --show "$imagem")
  lacos+=("$laco")
  monta_ext4
}
monta_ext4() {
  mount -o errors=remount-ro "$laco" "$caixa"
  montagens+=("$caixa")
  chmod 0700 "$caixa"
}
# A file-system error, as a failing disk gives one: the kernel turns the
# folder read-only under the running station, whose journal is open for
# writing (a plain remount,ro is refused while it is).
erro_no_disco() {
  echo 1 >"/sys/fs/ext4/$(basename "$laco")/trigger_fs_error"
  ! { : >"$caixa/.sonda"; } 2>/dev/null || falha "the file-system error left $caixa writable"
}
# The only way back from such an error: the power cut (the station killed
# where it stands), the disk checked at the next boot and mounted again.
religa_disco() {
  para_estacao KILL
  umount "$caixa"
  unset 'montagens[-1]'
  local status=0
  e2fsck -fy "$laco" >"$trabalho/e2fsck.txt" 2>&1 || status=$?
  # 1 and 2: errors found and corrected.
  [ "$status" -lt 4 ] || { cat "$trabalho/e2fsck.txt" >&2; falha "e2fsck could not repair $imagem (status $status)"; }
  monta_ext4
}
# The invariants over this case's journal, then a clean slate for the next.
verifica() {
  "$build/tests/verifica_falhas" "$trabalho/diario.jsonl" "$caixa" "$trabalho/cups/saida" \
    "$XDG_CONFIG_HOME/Tef_kimbro.Ini" | sed "s/^/ambiente: $1: /"
  [ "${PIPESTATUS[0]}" -eq 0 ] || falha "$1: invariants violated"
  mv "$trabalho/diario.jsonl" "$trabalho/diario-$1.jsonl"
  rm -f "$trabalho/cups/saida"/job-*.prn
  : >"$trabalho/estacao.err"
}

# 1. A sale approved and the station killed at its print dialog; the next
# start finds no client library: it says the transaction is still open and
# the TEF is down, and refuses sales. With the library back, the payment is
# undone and the cashier told its number.
caso_biblioteca_ausente() {
  caixa="$trabalho/sem-biblioteca"
  mkdir -p "$caixa" "$trabalho/vazia"
  inicia_estacao
  ate_pergunta "7,00"
  tecla alt+s
  janela "Propriedades de impressão"
  para_estacao KILL
  local cupom
  cupom=$(ultimo_cupom)
  inicia_estacao env LD_LIBRARY_PATH="$trabalho/vazia" "$build/app/tefkimbro" --pasta "$caixa"
  janela "Atenção"
  mostrou "Transação TEF pendente (documento $cupom) ainda não resolvida" \
    || falha "without the library the open transaction was not told"
  retrato "Atenção" biblioteca
  tecla Return
  status "Dll Inválida" || falha "without the library the status is not 'Dll Inválida'"
  janela "TEF - Kimbro"
  tecla ctrl+a
  digita "1,00"
  tecla Return space
  janela "Atenção"
  tecla Return
  para_estacao
  inicia_estacao
  janela "Atenção"
  mostrou 'Transação TEF não efetuada. Favor reter o Cupom.\nDocumento: '"$cupom" \
    || falha "the undone payment and its number were not told"
  tecla Return
  para_estacao
  verifica biblioteca_ausente
}

# 2. CUPS stops while the print dialog is open: the receipt does not print,
# the cashier is asked to try again; with CUPS back, "&Sim" prints it and
# confirms the sale once.
caso_cups_parado() {
  caixa="$trabalho/cups-parado"
  mkdir -p "$caixa"
  inicia_estacao
  ate_pergunta "8,00"
  tecla alt+s
  janela "Propriedades de impressão"
  "$raiz/scripts/cups-privado.sh" stop "$trabalho/cups"
  tecla alt+i
  # The report's own error box has no title.
  mostrou "Não foi possivel enviar dados para o dispositivo de saida." || falha "CUPS stopped: the cashier was not told"
  sleep 0.5
  retrato "" cups
  tecla Return
  janela "Responda"
  mostrou "Cupom TEF não foi impresso. Tentar novamente?" || falha "CUPS stopped: no retry question"
  ! grep -q '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" \
    || falha "CUPS stopped: the sale was finalised before its receipt printed"
  "$raiz/scripts/cups-privado.sh" start "$trabalho/cups" >/dev/null
  tecla s
  janela "Propriedades de impressão"
  tecla alt+i
  no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' \
    || falha "CUPS back: the sale was not confirmed"
  fecha_estacao
  verifica cups_parado
}

# 3. The working folder's disk fills up during a sale: the receipt cannot be
# saved, nothing is printed; freed, "&Sim" prints and confirms. The next sale
# on a full disk declined: undone, the cashier told.
caso_disco_cheio() {
  pasta_em_tmpfs disco-cheio 512
  inicia_estacao
  ate_pergunta "9,00"
  dd if=/dev/zero of="$caixa/enche" bs=4k 2>/dev/null || true
  tecla alt+s
  janela "Atenção"
  mostrou "Transação TEF desfeita, nada foi impresso" || falha "full disk: the undone sale was not told"
  mostrou "disco cheio" || falha "full disk: the cashier was not told why"
  retrato "Atenção" disco
  tecla Return
  [ -z "$(ls "$trabalho/cups/saida")" ] || falha "full disk: something was printed"
  no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":0' \
    || falha "full disk: the approval was not undone at once"
  grep -q "Não foi possível gravar o log TEF .*No space left on device" "$trabalho/estacao.err" \
    || falha "full disk: the TEF log's failure does not say why"
  rm -f "$caixa/enche"
  sleep 1 # the held state is written at the next tick
  vende_credito "10,00"
  no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' \
    || falha "disk freed: the sale was not confirmed"
  fecha_estacao
  verifica disco_cheio
}

# 4. The working folder turns read-only in the middle of a sale (a disk
# error): the journal refuses the approval, so nothing prints and the sale
# is undone at once, the cashier told. After the power cut and the checked
# disk, the restarted station sells as before.
caso_somente_leitura() {
  pasta_em_ext4 somente-leitura 16384
  inicia_estacao
  ate_pergunta "11,00"
  erro_no_disco
  tecla alt+s
  janela "Atenção"
  mostrou "pasta somente leitura" || falha "read-only: the cashier was not told why"
  mostrou "Transação TEF desfeita, nada foi impresso" || falha "read-only: the undone sale was not told"
  retrato "Atenção" leitura
  tecla Return
  local cupom
  cupom=$(ultimo_cupom)
  religa_disco
  # Where the folder came back under the running station, it recorded the
  # undo itself before the next sale; here it never could, so the restart
  # finds the sale open, undoes it again (the same decision) and says so.
  inicia_estacao
  janela "Atenção"
  mostrou "Transação TEF interrompida" "Documento: $cupom" \
    || falha "read-only, restarted: the open sale was not told as interrupted"
  tecla Return
  vende_credito "12,00"
  no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' \
    || falha "read-write again: the sale was not confirmed"
  fecha_estacao
  verifica somente_leitura
}

# 5. The folder turns read-only (a disk error) while the print dialog is
# open: the receipt prints, the journal cannot record it, the sale is
# confirmed all the same and the cashier told. The folder never comes back
# under that station, so it cannot write the held state: after the power
# cut and the checked disk, the restart must leave the confirmed sale as it
# was all the same.
caso_leitura_na_impressao() {
  pasta_em_ext4 leitura-impressao 16384
  inicia_estacao
  ate_pergunta "13,00"
  tecla alt+s
  janela "Propriedades de impressão"
  erro_no_disco
  tecla alt+i
  janela "Atenção"
  mostrou "Transação TEF confirmada (documento" || falha "read-only at print: the confirmed sale was not told"
  tecla Return
  local cupom
  cupom=$(ultimo_cupom)
  religa_disco
  # Where the folder came back under the running station, it wrote the held
  # state and a restart found nothing open; here the journal still has the
  # sale approved and unprinted, and the library no longer has it pending.
  inicia_estacao
  janela "Atenção"
  mostrou "A transação TEF em aberto já foi concluída pelo SiTef" "Documento: $cupom" \
    || falha "read-only at print, restarted: the sale left open was not told"
  tecla Return
  janela "TEF - Kimbro"
  sleep 1
  ! grep '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" \
    | grep '"cupom":"'"$cupom"'"' | grep -q '"confirma":0' \
    || falha "read-only at print: the restart undid the confirmed sale"
  ! grep '"evento":"desfeita"' "$trabalho/diario.jsonl" | grep -q '"cupom":"'"$cupom"'"' \
    || falha "read-only at print: the confirmed sale was undone"
  para_estacao
  verifica leitura_na_impressao
}

# 6. Another program opens the journal and asks for its write lock while the
# print dialog is up: refused at once, it goes on waiting for it. The sale
# prints and is confirmed all the same, the station is killed with the
# program still waiting, which then gets the lock; stopped, a restart leaves
# the confirmed sale as it was.
caso_livro_disputado() {
  caixa="$trabalho/livro-disputado"
  mkdir -p "$caixa"
  inicia_estacao
  ate_pergunta "14,00"
  tecla alt+s
  janela "Propriedades de impressão"
  mkfifo "$trabalho/ordens"
  sqlite3 "$caixa/tefkimbro.db" <"$trabalho/ordens" >"$trabalho/outro.txt" 2>&1 &
  local outro=$! cupom
  exec 7>"$trabalho/ordens"
  printf '%s\n' 'BEGIN IMMEDIATE;' '.print recusado' '.timeout 60000' 'BEGIN IMMEDIATE;' \
    '.print tomado' >&7
  for _ in $(seq 50); do grep -q recusado "$trabalho/outro.txt" && break; sleep 0.1; done
  grep -q 'database is locked' "$trabalho/outro.txt" \
    || falha "journal taken: another program got it while the station ran"
  tecla alt+i
  cupom=$(ultimo_cupom)
  no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' \
    || falha "journal taken: the sale was not confirmed"
  ! grep -q tomado "$trabalho/outro.txt" || falha "journal taken: the other program wrote beside the station"
  para_estacao KILL
  for _ in $(seq 50); do grep -q tomado "$trabalho/outro.txt" && break; sleep 0.1; done
  grep -q tomado "$trabalho/outro.txt" || falha "journal taken: the other program was not waiting for it"
  exec 7>&-
  wait "$outro" || true # its first refusal is its status
  inicia_estacao
  procura "Atenção" 30 && tecla Return
  fecha_estacao
  ! grep '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" \
    | grep '"cupom":"'"$cupom"'"' | grep -q '"confirma":0' \
    || falha "journal taken: the restart undid the confirmed sale"
  ! grep '"evento":"desfeita"' "$trabalho/diario.jsonl" | grep -q '"cupom":"'"$cupom"'"' \
    || falha "journal taken: the confirmed sale was undone"
  rm -f "$trabalho/ordens" "$trabalho/outro.txt"
  verifica livro_disputado
}

# 7. The lock file is deleted under a running station (a cleaning script):
# a second one started on the folder takes a new lock, finds the journal
# held and refuses, naming it, before it calls the library, touching nothing.
caso_trava_apagada() {
  caixa="$trabalho/trava-apagada"
  mkdir -p "$caixa"
  inicia_estacao
  status "Online" || falha "lock deleted: the first station did not start its TEF"
  local antes sequencia livro segunda resultado=0
  antes=$(wc -l <"$trabalho/diario.jsonl")
  sequencia=$(cat "$caixa/tef_sequencia.ini")
  livro=$(stat -c %i "$caixa/tefkimbro.db")
  rm "$caixa/tefkimbro.lock"
  (cd "$caixa" && exec "$build/app/tefkimbro" --pasta "$caixa" 2>"$trabalho/segunda.err") &
  segunda=$!
  janela "Atenção"
  retrato "Atenção" trava
  tecla Return
  wait "$segunda" || resultado=$?
  [ "$resultado" -eq 3 ] || falha "lock deleted: the second station ended with status $resultado"
  grep -q -F "message shown: Atenção | O registro de transações $caixa/tefkimbro.db está em uso" \
    "$trabalho/segunda.err" || falha "lock deleted: the second station did not say why it ended"
  [ "$(wc -l <"$trabalho/diario.jsonl")" -eq "$antes" ] || falha "lock deleted: the second station called the library"
  [ "$(cat "$caixa/tef_sequencia.ini")" = "$sequencia" ] || falha "lock deleted: tef_sequencia.ini changed"
  [ "$(stat -c %i "$caixa/tefkimbro.db")" = "$livro" ] && ! ls "$caixa"/tefkimbro.db.danificado-* >/dev/null 2>&1 \
    || falha "lock deleted: the second station moved the journal aside"
  fecha_estacao
  verifica trava_apagada
}

# 8. The station is killed while it shows the library's approval, before
# the receipt: the next start undoes that transaction with one finish call
# for its document, date and time, and tells the cashier it was interrupted.
caso_morta_na_aprovacao() {
  caixa="$trabalho/morta-na-aprovacao"
  mkdir -p "$caixa"
  inicia_estacao
  ate_pergunta "16,00"
  tecla alt+s
  no_diario '"comando":1,' 'Transação aprovada' || falha "killed at the approval: no approval shown"
  para_estacao KILL
  tail -n 1 "$trabalho/diario.jsonl" | grep -q '"comando":1,.*Transação aprovada' \
    || falha "killed at the approval: the kill came after the approval message"
  local cupom data hora finalizacoes
  cupom=$(ultimo_cupom)
  read -r data hora < <(grep '"chamada":"IniciaFuncaoSiTefInterativo"' "$trabalho/diario.jsonl" | tail -n 1 \
    | sed -E 's/.*"data":"([0-9]+)".*"hora":"([0-9]+)".*/\1 \2/')
  inicia_estacao
  janela "Atenção"
  mostrou "Transação TEF interrompida" "Documento: $cupom" \
    || falha "killed at the approval: the cashier was not told"
  retrato "Atenção" aprovacao
  tecla Return
  fecha_estacao
  finalizacoes=$(grep '"chamada":"FinalizaTransacaoSiTefInterativo"' "$trabalho/diario.jsonl" \
    | grep -F '"cupom":"'"$cupom"'"' || true)
  [ "$(grep -c . <<<"$finalizacoes")" -eq 1 ] \
    && grep -F '"confirma":0' <<<"$finalizacoes" | grep -F '"data":"'"$data"'"' | grep -q -F '"hora":"'"$hora"'"' \
    || falha "killed at the approval: not one undo for its document, date and time: $finalizacoes"
  verifica morta_na_aprovacao
}

# Whether a tmpfs can be mounted here.
tmpfs_possivel() {
  mkdir -p "$trabalho/sonda"
  mount -t tmpfs -o size=64k tmpfs "$trabalho/sonda" 2>/dev/null || return 1
  umount "$trabalho/sonda"
}
# Whether an ext4 image can be mounted here on a loop device and be given
# an error; what is missing goes to $sem_ext4.
ext4_possivel() {
  local programa laco imagem="$trabalho/sonda.img" pasta="$trabalho/sonda-ext4" possivel=1
  [ "$(id -u)" -eq 0 ] || { sem_ext4="not root"; return 1; }
  for programa in mkfs.ext4:e2fsprogs e2fsck:e2fsprogs losetup:mount; do
    command -v "${programa%:*}" >/dev/null \
      || { sem_ext4="no ${programa%:*} (Debian's ${programa#*:})"; return 1; }
  done
  truncate -s 2M "$imagem"
  mkfs.ext4 -q "$imagem" >/dev/null 2>&1 || { sem_ext4="mkfs.ext4 failed"; return 1; }
  laco=$(losetup -f --show "$imagem" 2>/dev/null) || { sem_ext4="cannot attach a loop device"; return 1; }
  mkdir -p "$pasta"
  if ! mount -o errors=remount-ro "$laco" "$pasta" 2>/dev/null; then
    sem_ext4="cannot mount ext4"
  elif [ ! -e "/sys/fs/ext4/$(basename "$laco")/trigger_fs_error" ]; then
    sem_ext4="the kernel cannot be asked for an ext4 error"
  else
    possivel=0
  fi
  umount "$pasta" 2>/dev/null || true
  losetup -d "$laco"
  rm -f "$imagem"
  return "$possivel"
}

casos=("${@:2}")
[ "${#casos[@]}" -gt 0 ] || casos=(biblioteca_ausente cups_parado livro_disputado trava_apagada
  morta_na_aprovacao disco_cheio somente_leitura leitura_na_impressao)
com_tmpfs="" com_ext4="" sem_ext4="" escolhidos=()
for caso in "${casos[@]}"; do
  case "$caso" in
    disco_cheio)
      [ -n "$com_tmpfs" ] || { tmpfs_possivel && com_tmpfs=1 || com_tmpfs=0; }
      [ "$com_tmpfs" = 1 ] || { echo "ambiente: cannot mount a tmpfs here: $caso is skipped"; continue; } ;;
    somente_leitura | leitura_na_impressao)
      [ -n "$com_ext4" ] || { ext4_possivel && com_ext4=1 || com_ext4=0; }
      [ "$com_ext4" = 1 ] \
        || { echo "ambiente: no ext4 image on a loop device here ($sem_ext4): $caso is skipped"; continue; } ;;
  esac
  escolhidos+=("$caso")
done
casos=("${escolhidos[@]}")
for caso in "${casos[@]}"; do "caso_$caso"; done
echo "ambiente: ${casos[*]}: every fault told, no payment left open"
