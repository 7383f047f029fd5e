#pragma once

#include <QDateTime>
#include <QString>

// Date and time texts as the library takes them.
QString FormataDataTEF(const QDateTime& Momento);     // "yyyymmdd"
QString FormataHoraTEF(const QDateTime& Momento);     // "hhnnss"
QString FormataDataHoraTEF(const QDateTime& Momento); // "yyyymmddhhnnss"
