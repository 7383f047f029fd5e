#pragma once

#include <QChar>
#include <QString>

#include <cstdint>
#include <optional>

// Amounts: 64-bit fixed point with four decimals, so that no amount is ever
// rounded by binary floating point on its way to the library.
class Currency {
public:
    static constexpr std::int64_t Escala = 10000;

    constexpr Currency() = default;
    static constexpr Currency DeBruto(std::int64_t Bruto) { return Currency(Bruto); }
    static constexpr Currency DeCentavos(std::int64_t Centavos) {
        return Currency(Centavos * (Escala / 100));
    }

    // Reads an amount such as "1.234,56" (Separador ",", Milhar "."); rounds
    // half away from zero to four decimals. Nothing when it is not a number
    // or does not fit.
    static std::optional<Currency> DeTexto(const QString& Texto, QChar Separador, QChar Milhar);

    constexpr std::int64_t Bruto() const { return FBruto; }
    constexpr bool operator==(const Currency&) const = default;

    // As printf's "%<Largura>.<Decimais>f" would, with Separador as the
    // decimal separator; rounds half away from zero, and an amount that rounds
    // to zero carries no sign. Decimais: 0 to 4.
    QString Formata(int Largura, int Decimais, QChar Separador) const;

private:
    constexpr explicit Currency(std::int64_t Bruto) : FBruto(Bruto) {}
    std::int64_t FBruto = 0;
};

// "%13.2f" with the decimal separator of the station's regional settings: the
// amount text the library receives.
QString FormataValorTEF(Currency Valor);
