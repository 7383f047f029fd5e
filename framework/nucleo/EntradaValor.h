#pragma once

#include <QChar>
#include <QString>

// The typing rules of the amount edit, apart from the widget: what a key does
// to the text, the caret and the selection.
class TEntradaValor {
public:
    struct Estado {
        QString Texto;
        int Cursor = 0;
        int InicioSelecao = 0; // selection [InicioSelecao, FimSelecao)
        int FimSelecao = 0;
    };

    TEntradaValor(QChar Separador, QChar Milhar) : FSeparador(Separador), FMilhar(Milhar) {}

    int BaseSize = 14;
    int DecimalSize = 2;
    bool Negative = true;

    // A typed character; anything but a digit, the separator or an allowed
    // "-" is dropped.
    void Digita(Estado& E, QChar Caractere) const;
    // Backspace right after the separator, or Delete right before it, takes
    // the separator and every decimal. False: the key is an ordinary one.
    bool ApagaSeparador(Estado& E, bool Retrocesso) const;
    // The text while the operator edits it: no thousands separators.
    QString ParaEdicao(const QString& Texto) const;
    // The text once the operator leaves: "0." with DecimalSize zeros,
    // thousands separators when ComMilhar. Empty, "-" or a lone separator: zero.
    QString ParaExibicao(const QString& Texto, bool ComMilhar) const;

private:
    void ApagaSelecao(Estado& E) const;
    void Insere(Estado& E, QChar Caractere) const;
    void DigitaSeparador(Estado& E) const;
    void DigitaMenos(Estado& E) const;
    void DigitaDigito(Estado& E, QChar Digito) const;

    QChar FSeparador;
    QChar FMilhar;
};
