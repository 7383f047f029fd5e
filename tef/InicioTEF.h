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
};

// How the start ended: the link's and the PIN pad's status (the library's
// results, as the status texts read them) and what the cashier is told,
// one message a box.
struct TInicioTEF {
    std::int32_t StatusTEF = -1;
    std::int32_t StatusPinPad = 0;
    QStringList Mensagens;
};

// The TEF start ("&Iniciar TEF", and once after the main window is drawn):
// the library configured; configured, what a previous run left open is
// settled before any function opens (the library undoes whatever is still
// pending when the next one opens), then the silent link test; not
// configured, the cashier is told what still waits. Then the PIN pad asked
// for and, present, given its idle text.
TInicioTEF IniciaTEF(TAmbienteTEF& Ambiente, const TParametrosInicio& Parametros);

// The prefix of the PIN pad's idle text, 16 characters and the line break.
inline const QString PrefixoPinPad = QStringLiteral("   TEF Kimbro   |");
