#pragma once

#include "Currency.h"
#include "EntradaValor.h"
#include "NEdit.h"

// The amount edit: digits, the decimal separator and "-" only, with limits on
// the digits before and after the separator. While the operator types, the
// text has no thousands separators; on leaving it shows the value formatted.
class TNFloatEdit : public TNEdit {
    Q_OBJECT
public:
    explicit TNFloatEdit(QWidget* Pai = nullptr);

    int BaseSize() const { return FEntrada.BaseSize; }
    // 1 to 16; raises EErro "Invalid base size." outside.
    void SetBaseSize(int Tamanho);
    int DecimalSize() const { return FEntrada.DecimalSize; }
    // 1 to 8; raises EErro "Invalid decimal size." outside.
    void SetDecimalSize(int Tamanho);
    bool Negative() const { return FEntrada.Negative; }
    void SetNegative(bool Permite) { FEntrada.Negative = Permite; }
    bool ThousandDot() const { return FThousandDot; }
    void SetThousandDot(bool Usa) { FThousandDot = Usa; }

    // The amount the text holds; an empty text is zero.
    Currency Valor() const;

protected:
    void keyPressEvent(QKeyEvent* Evento) override;
    void focusInEvent(QFocusEvent* Evento) override;
    void PreparaSaida() override;

private:
    TEntradaValor::Estado EstadoAtual() const;
    void Aplica(const TEntradaValor::Estado& Estado);
    void DigitaTexto(const QString& Texto);

    TEntradaValor FEntrada;
    bool FThousandDot = true;
};
