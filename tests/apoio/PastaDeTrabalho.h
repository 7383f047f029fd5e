#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Runs a test inside a fresh working directory, as the station runs inside
// its own, and restores the previous one afterwards.
class TPastaDeTrabalho {
public:
    TPastaDeTrabalho() : FAnterior(QDir::currentPath()) { QDir::setCurrent(FPasta.path()); }
    ~TPastaDeTrabalho() { QDir::setCurrent(FAnterior); }
    TPastaDeTrabalho(const TPastaDeTrabalho&) = delete;
    TPastaDeTrabalho& operator=(const TPastaDeTrabalho&) = delete;

    QString Caminho(const QString& Nome) const { return FPasta.filePath(Nome); }

    QByteArray Le(const QString& Nome) const {
        QFile Arquivo(Caminho(Nome));
        return Arquivo.open(QIODevice::ReadOnly) ? Arquivo.readAll() : QByteArray();
    }

    void Grava(const QString& Nome, const QByteArray& Conteudo) const {
        QFile Arquivo(Caminho(Nome));
        Arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate);
        Arquivo.write(Conteudo);
    }

    QStringList Arquivos() const {
        return QDir(FPasta.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

private:
    QTemporaryDir FPasta;
    QString FAnterior;
};
