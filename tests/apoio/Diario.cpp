#include "Diario.h"

#include <QFile>
#include <QJsonDocument>

QList<QJsonObject> LeDiario(const QString& Caminho) {
    QList<QJsonObject> Linhas;
    QFile Arquivo(Caminho);
    if (!Arquivo.open(QIODevice::ReadOnly)) {
        return Linhas;
    }
    while (!Arquivo.atEnd()) {
        const QByteArray Linha = Arquivo.readLine().trimmed();
        if (!Linha.isEmpty()) {
            Linhas.append(QJsonDocument::fromJson(Linha).object());
        }
    }
    return Linhas;
}

QList<QJsonObject> Chamadas(const QList<QJsonObject>& Diario, const QString& Nome) {
    QList<QJsonObject> Encontradas;
    for (const QJsonObject& Linha : Diario) {
        if (Linha.value(QStringLiteral("chamada")).toString() == Nome) {
            Encontradas.append(Linha);
        }
    }
    return Encontradas;
}
