#pragma once

#include "FAT_DM_TEF_OFFLINE.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// What the TEF start takes from the station's configuration.
struct TParametrosInicio {
    QString HostServidor;
    QString IdentEmpresa;
    QString IdentEstacao;
    // The PIN pad's idle text, after the station's own prefix.
    QString TextoPinPad;
    // The store's and the software house's CNPJ, 14 characters (or empty), and
    // whether the library talks to the SiTef server over TLS.
    QString CnpjLoja;
    QString CnpjSoftwareHouse;
    bool Tls = false;
};

// How the start ended: the link's and the PIN pad's status (the library's
// results, as the status texts read them), what the cashier is told, one
// message a box, and what the status line keeps saying of the
// configuration (empty when nothing is amiss).
struct TInicioTEF {
    std::int32_t StatusTEF = -1;
    std::int32_t StatusPinPad = 0;
    QStringList Mensagens;
    QString AvisoConfiguracao;
};

// The additional parameters of ConfiguraIntSiTefInterativoEx, in the
// library manual's form: the CNPJs as "[ParmsClient=1=<store>;2=<software
// house>]" (its "Informações adicionais da automação"), TLS as
// "[TipoComunicacaoExterna=SSL]" (its "Habilitando comunicação TLS"), the
// groups joined by ";" as the other additional parameters are. A CNPJ that
// is not a valid one is left out.
QString ParametrosConfiguracao(const TParametrosInicio& Parametros);

// A CNPJ: 14 characters, the last two its check digits (modulo 11), not all
// the same; the first 12 digits, or capital letters too (the alphanumeric
// CNPJ the Receita Federal issues from July 2026).
bool CnpjValido(const QString& Cnpj);

// The TEF start ("&Iniciar TEF", and once after the main window is drawn):
// the library configured; configured, what a previous run left open is
// settled before any function opens (the library undoes whatever is still
// pending when the next one opens), then the silent link test; not
// configured, the cashier is told what still waits. Then the PIN pad asked
// for and, present, given its idle text.
TInicioTEF IniciaTEF(TAmbienteTEF& Ambiente, const TParametrosInicio& Parametros);

// The prefix of the PIN pad's idle text, 16 characters and the line break.
inline const QString PrefixoPinPad = QStringLiteral("   TEF Kimbro   |");
