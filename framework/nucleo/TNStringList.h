#pragma once

#include <QString>
#include <QStringList>

// The station's general text container. Its text form puts CR LF after every
// entry; files are Windows-1252 and are read and written whole.
class TNStringList {
public:
    TNStringList() = default;
    explicit TNStringList(QStringList Itens) : FItens(std::move(Itens)) {}

    void Add(const QString& Item) { FItens.append(Item); }
    void Clear() { FItens.clear(); }
    qsizetype Count() const { return FItens.size(); }
    const QString& operator[](qsizetype Indice) const { return FItens.at(Indice); }
    QString& operator[](qsizetype Indice) { return FItens[Indice]; }
    const QStringList& Itens() const { return FItens; }

    // Every entry followed by CR LF; an entry's own line breaks stay as they are.
    QString Text() const;
    // Splits at CR LF, CR or LF; a break at the very end opens no empty entry.
    void SetText(const QString& Texto);

    // Replaces the file atomically; raises EErroGravacao when it cannot.
    void SaveToFile(const QString& Arquivo) const;
    // Raises EErroArquivo when the file cannot be read.
    void LoadFromFile(const QString& Arquivo);

    bool operator==(const TNStringList&) const = default;

private:
    QStringList FItens;
};
