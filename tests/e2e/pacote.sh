#!/usr/bin/env bash
# The Debian packages, built as scripts/pacote.sh builds them (build/pacote):
# the contents of each (the station's never holds a libclisitef.so), their
# control fields, desktop entries, AppStream metainfo, lintian without
# errors or warnings, hardened binaries, and a second build from clean that
# gives the same bytes. Then both are unpacked into a temporary root: the
# command lines that must create nothing, the station started from a
# terminal (the user's folder, the missing library told), and
# tefkimbro-demo through one sale with its own window class.
# Usage: tests/e2e/pacote.sh BUILD_DIR   (a built tree, for the screenshot tool)
source "$(dirname "$0")/comum.sh" "$@"

"$raiz/scripts/pacote.sh" >"$trabalho/pacote.log" 2>&1 || { tail -n 30 "$trabalho/pacote.log" >&2; falha "scripts/pacote.sh failed"; }
mkdir "$trabalho/debs"
mv "$raiz/build/pacote"/*.deb "$trabalho/debs/"
estacao=$(ls "$trabalho/debs"/tefkimbro_*.deb)
demo=$(ls "$trabalho/debs"/tefkimbro-demo_*.deb)
versao=$(dpkg-deb -f "$estacao" Version)

# Each package's files, exactly.
conteudo() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ {print $NF}' | sed 's|^\./|/|' | sort; }
diff -u - <(conteudo "$estacao") <<'LISTA' || falha "the station's package holds other files"
/usr/bin/tefkimbro
/usr/share/applications/tefkimbro.desktop
/usr/share/doc/tefkimbro/README.Debian
/usr/share/doc/tefkimbro/changelog.gz
/usr/share/doc/tefkimbro/copyright
/usr/share/icons/hicolor/scalable/apps/tefkimbro.svg
/usr/share/man/man1/tefkimbro.1.gz
/usr/share/metainfo/br.com.tefkimbro.tefkimbro.metainfo.xml
LISTA
diff -u - <(conteudo "$demo") <<'LISTA' || falha "the demonstration's package holds other files"
/usr/bin/tefkimbro-demo
/usr/lib/tefkimbro/simulador/libbemafi32.so
/usr/lib/tefkimbro/simulador/libclisitef.so
/usr/share/applications/tefkimbro-demo.desktop
/usr/share/doc/tefkimbro-demo/changelog.gz
/usr/share/doc/tefkimbro-demo/copyright
/usr/share/icons/hicolor/scalable/apps/tefkimbro-demo.svg
/usr/share/man/man1/tefkimbro-demo.1.gz
/usr/share/tefkimbro-demo/Tef_kimbro.demo.ini
LISTA

# Control fields: computed and minimal dependencies, the journal's SQLite
# driver (no binary names it), CUPS recommended, the library not included;
# the demonstration needs the station of its own version.
controle=$(dpkg-deb -f "$estacao" Depends Recommends Description)
grep -q '^Depends: .*libqt6widgets6' <<<"$controle" || falha "dependencies not computed"
grep -q '^Depends: .*libqt6sql6-sqlite' <<<"$controle" || falha "the journal's SQLite driver is not a dependency"
grep -q '^Recommends: .*\bcups\b' <<<"$controle" || falha "cups is not recommended"
grep -q 'libclisitef.so) is not included' <<<"$controle" || falha "the description does not say the library is not included"
grep -q -E "(^|, )tefkimbro \(= $versao\)(,|$)" <<<"$(dpkg-deb -f "$demo" Depends)" \
  || falha "tefkimbro-demo does not depend on tefkimbro (= $versao)"

raiz_pacote="$trabalho/raiz"
dpkg-deb -x "$estacao" "$raiz_pacote"
dpkg-deb -x "$demo" "$raiz_pacote"
aplicacoes="$raiz_pacote/usr/share/applications"
desktop-file-validate "$aplicacoes"/*.desktop || falha "a desktop entry is invalid"
grep -qx 'StartupWMClass=tefkimbro' "$aplicacoes/tefkimbro.desktop" \
  && grep -qx 'StartupWMClass=tefkimbro-demo' "$aplicacoes/tefkimbro-demo.desktop" \
  && grep -qx 'Icon=tefkimbro-demo' "$aplicacoes/tefkimbro-demo.desktop" \
  || falha "the demonstration's entry does not have its own window class and icon"
appstreamcli validate --no-net "$raiz_pacote"/usr/share/metainfo/*.xml >"$trabalho/appstream.txt" 2>&1 \
  || { cat "$trabalho/appstream.txt" >&2; falha "appstreamcli rejects the metainfo"; }
lintian --tag-display-limit 0 "$estacao" "$demo" >"$trabalho/lintian.txt" 2>&1 || true
! grep -q '^[EW]:' "$trabalho/lintian.txt" || { cat "$trabalho/lintian.txt" >&2; falha "lintian found errors or warnings"; }
# Debian 12's C start files carry no control-flow protection, so no binary
# built on it has any (its own packages' neither): that check is left out.
for binario in "$raiz_pacote"/usr/bin/tefkimbro "$raiz_pacote"/usr/lib/tefkimbro/simulador/*.so; do
  hardening-check --nocfprotection "$binario" >"$trabalho/hardening.txt" 2>&1 \
    || { cat "$trabalho/hardening.txt" >&2; falha "$(basename "$binario") is not hardened"; }
done

# A second build from clean, under another umask and time zone: same bytes.
cmake --build "$raiz/build/pacote" --target clean >/dev/null
(umask 002 && TZ=America/Sao_Paulo "$raiz/scripts/pacote.sh") >"$trabalho/pacote2.log" 2>&1 \
  || { tail -n 30 "$trabalho/pacote2.log" >&2; falha "the second build failed"; }
for deb in "$estacao" "$demo"; do
  cmp "$deb" "$raiz/build/pacote/$(basename "$deb")" || falha "two builds gave different $(basename "$deb")"
done

# Command lines that only answer: nothing is created, and what they say
# is Portuguese. The demonstration refuses any folder of the station's.
limpo="$trabalho/limpo"
responde() {
  local esperado="$1" texto="$2" status=0 saida
  shift 2
  saida=$(env -u DISPLAY XDG_DATA_HOME="$limpo/dados" XDG_CONFIG_HOME="$limpo/config" "$@" 2>&1) || status=$?
  [ "$status" -eq "$esperado" ] || falha "$(basename "$1") ${*:2}: status $status, not $esperado: $saida"
  grep -q -F -- "$texto" <<<"$saida" || falha "$(basename "$1") ${*:2} said: $saida"
}
bin="$raiz_pacote/usr/bin"
responde 0 "Uso: tefkimbro [opções]" "$bin/tefkimbro" --help
responde 0 "TefKimbro $versao" "$bin/tefkimbro" --version
responde 64 "Opção desconhecida: --pasta-demo." "$bin/tefkimbro" --pasta-demo
responde 64 "Falta o nome da pasta depois de --pasta." "$bin/tefkimbro" --pasta
responde 2 "TefKimbro precisa de uma tela gráfica" "$bin/tefkimbro"
responde 0 "Uso: tefkimbro-demo [opções]" "$bin/tefkimbro-demo" --help
responde 0 "TefKimbro $versao" "$bin/tefkimbro-demo" --version
responde 64 "a opção --pasta-usuario não é aceita" "$bin/tefkimbro-demo" --pasta-usuario
responde 64 "a opção --pasta não é aceita" "$bin/tefkimbro-demo" --pasta "$limpo/caixa"
responde 64 "opção desconhecida: -x" "$bin/tefkimbro-demo" -x
[ ! -e "$limpo" ] || falha "a command line that only answers created $(find "$limpo" | head -n 3)"

# The station from a terminal: the user's folder, not the current one, and
# without the store's library it says why.
export XDG_DATA_HOME="$trabalho/dados"
mkdir "$trabalho/terminal"
caixa="$trabalho/terminal"
inicia_estacao env -u LD_LIBRARY_PATH "$bin/tefkimbro"
status "Dll Inválida" || falha "without the library the status is not 'Dll Inválida'"
grep -q 'tefkimbro.app.principal: Biblioteca SiTef libclisitef.so não carregada: libclisitef.so: ' \
  "$trabalho/estacao.err" || falha "the status line does not say why the library is missing"
[ "$(stat -c %a "$XDG_DATA_HOME/tefkimbro")" = 700 ] && [ -e "$XDG_DATA_HOME/tefkimbro/tefkimbro.lock" ] \
  || falha "the station does not work in the user's folder"
[ -z "$(ls -A "$trabalho/terminal")" ] || falha "the station wrote into the current folder"
retrato "TEF - Kimbro" sem-biblioteca
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true
unset 'pids[-1]'

# The demonstration from the unpacked root, through one sale.
inicia_estacao env -u LD_LIBRARY_PATH "$bin/tefkimbro-demo"
janela "TEF - Kimbro"
xprop -id "$(xdotool search --onlyvisible --name '^TEF - Kimbro$' | tail -n 1)" WM_CLASS \
  | grep -q '= "tefkimbro-demo", ' || falha "the demonstration's window class is not tefkimbro-demo"
vende_credito "5,00"
# The print dialog's closing hands the screen back a moment later.
janela "TEF - Kimbro"
retrato "TEF - Kimbro"
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' || falha "the sale was not confirmed"
pasta="$XDG_DATA_HOME/tefkimbro-demo"
[ "$(stat -c %a "$pasta")" = 700 ] || falha "the working folder is not 0700"
for arquivo in CUPOM.TXT tef_sequencia.ini "log/tef-$(date +%Y%m%d).log"; do
  [ -s "$pasta/$arquivo" ] || falha "$arquivo did not appear in the working folder"
done
[ ! -e "$XDG_DATA_HOME/tefkimbro/tef_sequencia.ini" ] || falha "the demonstration drew a number in the station's folder"
echo "e2e: both packages checked (lintian clean, hardened, reproducible), demo sale confirmed"
