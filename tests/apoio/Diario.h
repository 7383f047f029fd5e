#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// The simulator's journal, one JSON object per line.
QList<QJsonObject> LeDiario(const QString& Caminho);
QList<QJsonObject> Chamadas(const QList<QJsonObject>& Diario, const QString& Nome);
