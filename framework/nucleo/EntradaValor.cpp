#include "EntradaValor.h"

#include "NumeroDecimal.h"

void TEntradaValor::Digita(Estado& E, QChar Caractere) const {
    if (Caractere == FSeparador) {
        DigitaSeparador(E);
    } else if (Caractere == u'-' && Negative) {
        DigitaMenos(E);
    } else if (Caractere >= u'0' && Caractere <= u'9') {
        DigitaDigito(E, Caractere);
    }
}

bool TEntradaValor::ApagaSeparador(Estado& E, bool Retrocesso) const {
    if (E.InicioSelecao != E.FimSelecao) {
        return false;
    }
    const int Posicao = Retrocesso ? E.Cursor - 1 : E.Cursor;
    if (Posicao < 0 || Posicao >= E.Texto.size() || E.Texto[Posicao] != FSeparador) {
        return false;
    }
    E.Texto.truncate(Posicao);
    E.Cursor = Posicao;
    E.InicioSelecao = E.FimSelecao = Posicao;
    return true;
}

QString TEntradaValor::ParaEdicao(const QString& Texto) const {
    QString Limpo = Texto;
    return Limpo.remove(FMilhar);
}

QString TEntradaValor::ParaExibicao(const QString& Texto, bool ComMilhar) const {
    const TNumeroDecimal Numero = TNumeroDecimal::Le(Texto, FSeparador, FMilhar)
                                      .value_or(TNumeroDecimal{false, QStringLiteral("0"), {}});
    return Numero.Formata(DecimalSize, FSeparador,
                          ComMilhar ? std::optional<QChar>(FMilhar) : std::nullopt);
}

void TEntradaValor::ApagaSelecao(Estado& E) const {
    if (E.InicioSelecao == E.FimSelecao) {
        return;
    }
    E.Texto.remove(E.InicioSelecao, E.FimSelecao - E.InicioSelecao);
    E.Cursor = E.InicioSelecao;
    E.FimSelecao = E.InicioSelecao;
}

void TEntradaValor::Insere(Estado& E, QChar Caractere) const {
    E.Texto.insert(E.Cursor, Caractere);
    ++E.Cursor;
    E.InicioSelecao = E.FimSelecao = E.Cursor;
}

void TEntradaValor::DigitaSeparador(Estado& E) const {
    ApagaSelecao(E);
    const int Existente = static_cast<int>(E.Texto.indexOf(FSeparador));
    if (Existente >= 0) {
        E.Cursor = E.InicioSelecao = E.FimSelecao = Existente + 1;
        return;
    }
    const int Menos = static_cast<int>(E.Texto.indexOf(u'-'));
    if (Menos >= 0 && E.Cursor <= Menos) {
        return;
    }
    Insere(E, FSeparador);
}

void TEntradaValor::DigitaMenos(Estado& E) const {
    ApagaSelecao(E);
    const int Existente = static_cast<int>(E.Texto.indexOf(u'-'));
    if (Existente >= 0) {
        E.Cursor = E.InicioSelecao = E.FimSelecao = Existente + 1;
        return;
    }
    if (!E.Texto.left(E.Cursor).trimmed().isEmpty()) {
        return;
    }
    E.Texto.prepend(u'-');
    E.Cursor = E.InicioSelecao = E.FimSelecao = E.Cursor + 1;
}

void TEntradaValor::DigitaDigito(Estado& E, QChar Digito) const {
    ApagaSelecao(E);
    const int Separador = static_cast<int>(E.Texto.indexOf(FSeparador));
    if (Separador < 0 || E.Cursor <= Separador) {
        const qsizetype ParteInteira = Separador < 0 ? E.Texto.size() : Separador;
        if (ParteInteira >= BaseSize) {
            return;
        }
    } else if (E.Texto.size() - Separador - 1 >= DecimalSize) {
        return;
    }
    Insere(E, Digito);
}
