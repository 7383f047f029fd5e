#include "Textos.h"

namespace {

bool BrancoOuControle(QChar Caractere) {
    return Caractere.unicode() <= u' ';
}

} // namespace

QString AparaControles(const QString& Texto) {
    qsizetype Inicio = 0;
    qsizetype Fim = Texto.size();
    while (Inicio < Fim && BrancoOuControle(Texto[Inicio])) {
        ++Inicio;
    }
    while (Fim > Inicio && BrancoOuControle(Texto[Fim - 1])) {
        --Fim;
    }
    return Texto.mid(Inicio, Fim - Inicio);
}
