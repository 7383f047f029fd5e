#pragma once

#include "BibliotecaSiTef.h"

#include <QString>

#include <optional>
#include <vector>

// A payment the library holds pending confirmation, as its function 130
// lists it ("consulta de transações pendentes no terminal"): the fiscal
// document, date and time it was started with, and the host's NSU where
// the library gives it.
struct TPendenciaSiTef {
    QString Documento;
    QString Data; // "yyyymmdd"
    QString Hora; // "hhmmss"
    QString NsuHost;

    // Whether this is the journal's document (a number) of that date; a
    // payment listed without its date names the document whatever its date.
    bool Nomeia(const QString& DoLivro, const QString& DataFiscal) const;
};

// What the library still holds pending, asked before any function opens
// (function 130 disregards the fiscal document: it undoes nothing). No
// operator is asked anything. Where the library does not offer the list,
// ObtemQuantidadeTransacoesPendentes answers for one document at a time.
class TPendenciasSiTef {
public:
    explicit TPendenciasSiTef(TBibliotecaSiTef& Biblioteca);

    // Whether the library holds the document of that "yyyymmdd" date
    // pending; std::nullopt when it cannot say.
    std::optional<bool> Pendente(const QString& Documento, const QString& Data) const;
    // The listed payments, in the library's order; empty when the library
    // gives no list.
    const std::vector<TPendenciaSiTef>& Lista() const { return FLista; }
    bool TemLista() const { return FTemLista; }

private:
    bool Consulta();

    TBibliotecaSiTef& FBiblioteca;
    std::vector<TPendenciaSiTef> FLista;
    bool FTemLista = false;
};
