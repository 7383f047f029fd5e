#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// Values that several parts of the station read and write: the TEF link's
// configuration and status, the PIN pad's status, the transaction in
// progress and the prints per receipt. Every run starts from zero and empty.
class TDM_CAIXA_VAREJO {
public:
    std::int32_t StatusTEF = 0;
    std::int32_t StatusPinPad = 0;
    QString DataHoraTransacao; // "yyyymmddhhnnss" or empty
    QString IdentEmpresa;
    QDateTime DataMovimento;
    QString HostServidor;
    QString IdentEstacao;
    std::int32_t NumeroVias = 0;
};

extern TDM_CAIXA_VAREJO DM_CAIXA_VAREJO;
