#!/usr/bin/env bash
# The Debian package: built from the install, its contents (the binary, the
# demonstration launcher, the desktop entries and icon, the simulator only in
# its private folder, no libclisitef.so on a library path), its desktop
# entries valid, lintian without errors; then unpacked into a temporary root
# and tefkimbro-demo run from there through one sale, its working folder in a
# temporary XDG data home.
# Usage: tests/e2e/pacote.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"

cpack --config "$build/CPackConfig.cmake" -B "$trabalho/pacote" >/dev/null || falha "cpack failed"
deb=$(ls "$trabalho/pacote"/tefkimbro_*.deb)
conteudo=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
for arquivo in /usr/bin/tefkimbro /usr/bin/tefkimbro-demo /usr/share/applications/tefkimbro.desktop \
  /usr/share/applications/tefkimbro-demo.desktop /usr/share/icons/hicolor/scalable/apps/tefkimbro.svg \
  /usr/lib/tefkimbro/simulador/libclisitef.so /usr/lib/tefkimbro/simulador/libbemafi32.so; do
  grep -qx "$arquivo" <<<"$conteudo" || falha "the package lacks $arquivo"
done
fora=$(grep 'libclisitef' <<<"$conteudo" | grep -v '^/usr/lib/tefkimbro/simulador/' || true)
[ -z "$fora" ] || falha "a libclisitef.so outside the simulator's private folder: $fora"
controle=$(dpkg-deb -I "$deb")
grep -q '^ Depends: .*libqt6widgets6' <<<"$controle" || falha "dependencies not computed"
grep -q '^ Depends: .*libqt6sql6-sqlite' <<<"$controle" || falha "the journal's SQLite driver is not a dependency"

dpkg-deb -x "$deb" "$trabalho/raiz"
desktop-file-validate "$trabalho/raiz/usr/share/applications/"*.desktop || falha "a desktop entry is invalid"
lintian --tag-display-limit 0 "$deb" >"$trabalho/lintian.txt" 2>&1 || true
! grep -q '^E:' "$trabalho/lintian.txt" || { cat "$trabalho/lintian.txt" >&2; falha "lintian found errors"; }

export XDG_DATA_HOME="$trabalho/dados"
inicia_estacao env -u LD_LIBRARY_PATH "$trabalho/raiz/usr/bin/tefkimbro-demo"
vende_credito "5,00"
retrato "TEF - Kimbro"
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' || falha "the sale was not confirmed"
pasta="$XDG_DATA_HOME/tefkimbro-demo"
[ "$(stat -c %a "$pasta")" = 700 ] || falha "the working folder is not 0700"
for arquivo in CUPOM.TXT tef_sequencia.ini "log/tef-$(date +%Y%m%d).log"; do
  [ -s "$pasta/$arquivo" ] || falha "$arquivo did not appear in the working folder"
done
echo "e2e: package checked ($(grep -c '^W:' "$trabalho/lintian.txt") lintian warnings), demo sale confirmed"
