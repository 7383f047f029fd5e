#include "NumeroDecimal.h"

namespace {

QString SemZerosAEsquerda(const QString& Digitos) {
    qsizetype Inicio = 0;
    while (Inicio + 1 < Digitos.size() && Digitos[Inicio] == u'0') {
        ++Inicio;
    }
    return Digitos.isEmpty() ? QStringLiteral("0") : Digitos.mid(Inicio);
}

bool SoDigitos(const QString& Texto) {
    for (QChar C : Texto) {
        if (C < u'0' || C > u'9') {
            return false;
        }
    }
    return true;
}

// Adds one unit to a string of decimal digits.
QString MaisUm(QString Digitos) {
    for (qsizetype I = Digitos.size() - 1; I >= 0; --I) {
        if (Digitos[I] != u'9') {
            Digitos[I] = QChar(Digitos[I].unicode() + 1);
            return Digitos;
        }
        Digitos[I] = u'0';
    }
    return QLatin1Char('1') + Digitos;
}

QString ComMilhar(const QString& Inteiro, QChar Milhar) {
    QString Resultado;
    const qsizetype Tamanho = Inteiro.size();
    for (qsizetype I = 0; I < Tamanho; ++I) {
        if (I > 0 && (Tamanho - I) % 3 == 0) {
            Resultado += Milhar;
        }
        Resultado += Inteiro[I];
    }
    return Resultado;
}

} // namespace

std::optional<TNumeroDecimal> TNumeroDecimal::Le(const QString& Texto, QChar Separador,
                                                 QChar Milhar) {
    QString Limpo = Texto.trimmed();
    Limpo.remove(Milhar);
    TNumeroDecimal Numero;
    if (Limpo.startsWith(u'-') || Limpo.startsWith(u'+')) {
        Numero.Negativo = Limpo.front() == u'-';
        Limpo.remove(0, 1);
    }
    const qsizetype Posicao = Limpo.indexOf(Separador);
    const QString Inteiro = Posicao < 0 ? Limpo : Limpo.left(Posicao);
    const QString Fracao = Posicao < 0 ? QString() : Limpo.mid(Posicao + 1);
    if (!SoDigitos(Inteiro) || !SoDigitos(Fracao)) {
        return std::nullopt;
    }
    Numero.Inteiro = SemZerosAEsquerda(Inteiro);
    Numero.Fracao = Fracao;
    if (Numero.EhZero()) {
        Numero.Negativo = false;
    }
    return Numero;
}

TNumeroDecimal TNumeroDecimal::Arredondado(int Decimais) const {
    TNumeroDecimal Resultado = *this;
    if (Fracao.size() <= Decimais) {
        Resultado.Fracao = Fracao.leftJustified(Decimais, u'0');
        return Resultado;
    }
    const bool Sobe = Fracao[Decimais] >= u'5';
    QString Digitos = Inteiro + Fracao.left(Decimais);
    if (Sobe) {
        Digitos = MaisUm(Digitos);
    }
    Resultado.Inteiro = SemZerosAEsquerda(Digitos.left(Digitos.size() - Decimais));
    Resultado.Fracao = Digitos.right(Decimais);
    if (Resultado.EhZero()) {
        Resultado.Negativo = false;
    }
    return Resultado;
}

QString TNumeroDecimal::Formata(int Decimais, QChar Separador, std::optional<QChar> Milhar) const {
    const TNumeroDecimal Pronto = Arredondado(Decimais);
    QString Texto = Milhar ? ComMilhar(Pronto.Inteiro, *Milhar) : Pronto.Inteiro;
    if (Decimais > 0) {
        Texto += Separador + Pronto.Fracao;
    }
    return Pronto.Negativo ? QLatin1Char('-') + Texto : Texto;
}

bool TNumeroDecimal::EhZero() const {
    const QString Digitos = Inteiro + Fracao;
    for (QChar C : Digitos) {
        if (C != u'0') {
            return false;
        }
    }
    return true;
}
