#include "FormatosTEF.h"

QString FormataDataTEF(const QDateTime& Momento) {
    return Momento.toString(QStringLiteral("yyyyMMdd"));
}

QString FormataHoraTEF(const QDateTime& Momento) {
    return Momento.toString(QStringLiteral("HHmmss"));
}

QString FormataDataHoraTEF(const QDateTime& Momento) {
    return Momento.toString(QStringLiteral("yyyyMMddHHmmss"));
}
