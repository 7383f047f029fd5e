#!/usr/bin/env bash
# A private CUPS scheduler for the station's tests and demo: its own folders,
# a Unix socket, no network, and one raw queue whose backend writes each job
# to a file. Usage:
#   scripts/cups-privado.sh start FOLDER [QUEUE]   prints CUPS_SERVER=... on success
#   scripts/cups-privado.sh stop FOLDER
set -euo pipefail
acao="${1:?start|stop}"
pasta="$(mkdir -p "${2:?folder}" && cd "$2" && pwd)"
fila="${3:-recibos}"
socket="$pasta/cups.sock"

parar() {
  if [ -f "$pasta/cupsd.pid" ]; then
    kill "$(cat "$pasta/cupsd.pid")" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$(cat "$pasta/cupsd.pid")" 2>/dev/null || break; sleep 0.1; done
    rm -f "$pasta/cupsd.pid"
  fi
}

if [ "$acao" = stop ]; then
  parar
  exit 0
fi

parar
mkdir -p "$pasta"/{spool,tmp,cache,state,log,saida,bin/backend}
chmod 0755 "$pasta"
for sub in daemon filter cgi-bin driver monitor notifier; do
  [ -e "/usr/lib/cups/$sub" ] && ln -sfn "/usr/lib/cups/$sub" "$pasta/bin/$sub"
done

# The backend: with no arguments it describes itself; otherwise it copies the
# job (its file argument, or standard input) into the folder of its URI.
cat > "$pasta/bin/backend/arquivo" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then
  echo 'direct arquivo "Unknown" "Raw job to file"'
  exit 0
fi
destino="${DEVICE_URI#arquivo:}/job-$1.prn"
if [ -n "$6" ]; then cat "$6" > "$destino.tmp"; else cat > "$destino.tmp"; fi || exit 1
mv "$destino.tmp" "$destino"
BACKEND
chmod 0700 "$pasta/bin/backend/arquivo"

cat > "$pasta/cups-files.conf" <<CONF
ServerRoot $pasta
RequestRoot $pasta/spool
TempDir $pasta/tmp
CacheDir $pasta/cache
StateDir $pasta/state
ServerBin $pasta/bin
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
ErrorLog $pasta/log/error_log
AccessLog $pasta/log/access_log
PageLog $pasta/log/page_log
FileDevice No
Sandboxing Relaxed
CONF
cat > "$pasta/cupsd.conf" <<CONF
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
LogLevel warn
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
: > "$pasta/printers.conf"

/usr/sbin/cupsd -f -c "$pasta/cupsd.conf" -s "$pasta/cups-files.conf" > "$pasta/log/cupsd.out" 2>&1 &
echo $! > "$pasta/cupsd.pid"
for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.05; done
if [ ! -S "$socket" ]; then
  echo "private CUPS did not start; see $pasta/log" >&2
  cat "$pasta/log/cupsd.out" "$pasta/log/error_log" 2>/dev/null >&2 || true
  exit 1
fi
export CUPS_SERVER="$socket"
lpadmin -p "$fila" -E -v "arquivo:$pasta/saida"
lpadmin -d "$fila"
echo "CUPS_SERVER=$socket"
