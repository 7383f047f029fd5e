#include "TNStringList.h"

#include "ArquivoAtomico.h"
#include "Erros.h"
#include "Win1252.h"

#include <QFile>

QString TNStringList::Text() const {
    QString Texto;
    for (const QString& Item : FItens) {
        Texto += Item + QLatin1String("\r\n");
    }
    return Texto;
}

void TNStringList::SetText(const QString& Texto) {
    FItens.clear();
    qsizetype Inicio = 0;
    const qsizetype Fim = Texto.size();
    while (Inicio < Fim) {
        qsizetype Quebra = Inicio;
        while (Quebra < Fim && Texto[Quebra] != u'\r' && Texto[Quebra] != u'\n') {
            ++Quebra;
        }
        FItens.append(Texto.mid(Inicio, Quebra - Inicio));
        if (Quebra < Fim && Texto[Quebra] == u'\r' && Quebra + 1 < Fim &&
            Texto[Quebra + 1] == u'\n') {
            ++Quebra;
        }
        Inicio = Quebra + 1;
    }
}

void TNStringList::SaveToFile(const QString& Arquivo) const {
    GravaArquivoAtomico(Arquivo, ParaWin1252(Text()));
}

void TNStringList::LoadFromFile(const QString& Arquivo) {
    QFile Entrada(Arquivo);
    if (!Entrada.open(QIODevice::ReadOnly)) {
        throw EErroArquivo(QStringLiteral("Não foi possível ler o arquivo %1: %2")
                               .arg(Arquivo, Entrada.errorString()));
    }
    const QByteArray Conteudo = Entrada.readAll();
    if (Entrada.error() != QFileDevice::NoError) {
        throw EErroArquivo(QStringLiteral("Não foi possível ler o arquivo %1: %2")
                               .arg(Arquivo, Entrada.errorString()));
    }
    SetText(DeWin1252(Conteudo));
}
