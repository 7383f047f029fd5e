#include "Currency.h"

#include "NumeroDecimal.h"

#include <QLocale>

#include <algorithm>

namespace {

constexpr std::uint64_t PotenciaDeDez(int Expoente) {
    std::uint64_t Resultado = 1;
    for (int I = 0; I < Expoente; ++I) {
        Resultado *= 10;
    }
    return Resultado;
}

} // namespace

QString Currency::Formata(int Largura, int Decimais, QChar Separador) const {
    Decimais = std::clamp(Decimais, 0, 4);
    const bool Negativo = FBruto < 0;
    // Magnitude in unsigned arithmetic so that the most negative amount works too.
    const std::uint64_t Magnitude =
        Negativo ? ~static_cast<std::uint64_t>(FBruto) + 1 : static_cast<std::uint64_t>(FBruto);
    const std::uint64_t Divisor = PotenciaDeDez(4 - Decimais);
    const std::uint64_t Arredondado =
        Magnitude / Divisor + (Magnitude % Divisor * 2 >= Divisor ? 1 : 0);
    const std::uint64_t Unidade = PotenciaDeDez(Decimais);

    QString Texto = QString::number(Arredondado / Unidade);
    if (Decimais > 0) {
        Texto += Separador;
        Texto += QString::number(Arredondado % Unidade).rightJustified(Decimais, u'0');
    }
    if (Negativo && Arredondado != 0) {
        Texto.prepend(u'-');
    }
    return Texto.rightJustified(Largura, u' ');
}

std::optional<Currency> Currency::DeTexto(const QString& Texto, QChar Separador, QChar Milhar) {
    const std::optional<TNumeroDecimal> Numero = TNumeroDecimal::Le(Texto, Separador, Milhar);
    if (!Numero) {
        return std::nullopt;
    }
    const TNumeroDecimal Quatro = Numero->Arredondado(4);
    bool Valido = false;
    const QString Digitos = Quatro.Inteiro + Quatro.Fracao;
    const qint64 Bruto = Digitos.toLongLong(&Valido);
    if (!Valido) {
        return std::nullopt;
    }
    return Currency(Quatro.Negativo ? -Bruto : Bruto);
}

QString FormataValorTEF(Currency Valor) {
    const QString Separador = QLocale().decimalPoint();
    return Valor.Formata(13, 2, Separador.isEmpty() ? QChar(u'.') : Separador.front());
}
