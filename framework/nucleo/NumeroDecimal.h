#pragma once

#include <QChar>
#include <QString>

#include <optional>

// A decimal number kept as its digits, so that amounts are parsed, rounded and
// shown without passing through binary floating point.
struct TNumeroDecimal {
    bool Negativo = false;
    QString Inteiro; // digits, no leading zeros except a lone "0"
    QString Fracao;  // digits

    // Accepts blanks around, one optional sign, digits, one optional Separador;
    // every Milhar is ignored. An empty text, a lone sign or a lone separator is
    // zero. Anything else is not a number.
    static std::optional<TNumeroDecimal> Le(const QString& Texto, QChar Separador, QChar Milhar);

    // Rounded half away from zero to Decimais digits.
    TNumeroDecimal Arredondado(int Decimais) const;

    // Exactly Decimais digits after Separador; Milhar between groups of three
    // when given. Zero carries no sign.
    QString Formata(int Decimais, QChar Separador, std::optional<QChar> Milhar) const;

    bool EhZero() const;
};
