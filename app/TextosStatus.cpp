#include "TextosStatus.h"

QString TextoStatusTEF(std::int32_t StatusTEF) {
    switch (StatusTEF) {
    case -5:
        return QStringLiteral("Sem comunicação");
    case -4:
    case 7:
        return QStringLiteral("Falta de memória");
    case -2:
    case 0:
        return QStringLiteral("Online");
    case -1:
        return QStringLiteral("Não inicializado");
    case 1:
        return QStringLiteral("IP inválido");
    case 2:
        return QStringLiteral("Cód. loja inválido");
    case 3:
        return QStringLiteral("Cód. term. invalido");
    case 6:
        return QStringLiteral("Erro inicial. do Tcp/Ip");
    case 8:
        return QStringLiteral("Dll Inválida");
    default:
        return QStringLiteral("Desconhecido");
    }
}

QString TextoStatusPinPad(std::int32_t StatusPinPad) {
    switch (StatusPinPad) {
    case -1:
        return QStringLiteral("Falta Dll");
    case 0:
        return QStringLiteral("Ausente");
    case 1:
        return QStringLiteral("Online");
    case 12:
        return QStringLiteral("Sem Comunicação");
    default:
        return QStringLiteral("Desconhecido");
    }
}
