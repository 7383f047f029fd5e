#!/usr/bin/env bash
# End to end: a PIX sale of the demo, the QR code on the screen. Its window is read from the
# screen with zbarimg and must hold, byte for byte, the payload the library
# sent; the sale then prints and is confirmed, and the payload is in no log.
# Usage: tests/e2e/pix.sh BUILD_DIR
source "$(dirname "$0")/comum.sh" "$@"
# The store shows the code on the screen ("QR Code na tela").
echo "QRCODE_NA_TELA=1" >>"$XDG_CONFIG_HOME/Tef_kimbro.Ini"
inicia_estacao

inicia_venda "12,34"
tecla 3
janela "Pagamento por QR Code"
no_diario '"comando":50' '"tipoCampo":584' || falha "the library sent no QR code"
payload=$(sed -E 's/.*"texto":"([^"]*)".*/\1/' <<<"$linha")
# The window may be up a moment before its code is painted: read again for
# a while (the library waits about five seconds).
lido=""
for _ in $(seq 15); do
  xwd -root -silent >"$trabalho/tela.xwd"
  lido=$(zbarimg -q --raw "$trabalho/tela.xwd" 2>/dev/null || true)
  [ -n "$lido" ] && break
  sleep 0.2
done
retrato "Pagamento por QR Code"
[ "$lido" = "$payload" ] || falha "the QR code on screen reads '$lido', not '$payload'"
janela "Propriedades de impressão"
tecla alt+i
no_diario '"chamada":"FinalizaTransacaoSiTefInterativo"' '"confirma":1' || falha "the PIX sale was not confirmed"
trabalho_cups=$(ls "$trabalho/cups/saida"/job-*.prn 2>/dev/null | head -n 1)
[ -n "$trabalho_cups" ] && grep -q 'PAGAMENTO PIX' "$trabalho_cups" || falha "no PIX receipt at the queue"
# The QR contents reach no log: neither the day's TEF log nor what the
# station said on stderr (whole, or its PIX key domain after masking).
log="$trabalho/log/tef-$(date +%Y%m%d).log"
grep -q 'comando 50 tipoCampo 584' "$log" || falha "the TEF log lacks the QR code command"
! grep -F -q -e "$payload" -e 'br.gov.bcb.pix' "$log" "$trabalho/estacao.err" \
  || falha "the QR contents reached a log"
echo "e2e: PIX QR code read from the screen ($(wc -c <<<"$payload") bytes), sale confirmed"
