#include "RetencaoLivro.h"

#include "Erros.h"
#include "LivroTransacoes.h"
#include "RegistroTEF.h"

void TRetencaoLivro::Calcula(TLivroTransacoes& Livro, const QDate& Hoje, int Meses) {
    FLimite.reset();
    std::optional<QDate> MaisRecente;
    try {
        MaisRecente = Livro.DataMaisRecente();
    } catch (const EErro&) {
        return;
    }
    FLimite = LimiteDeRetencao(Hoje, MaisRecente, Meses);
    if (!FLimite) {
        qCWarning(lcLivroTEF) << "the clock is more than a week past the newest transaction"
                              << *MaisRecente << "- nothing removed from the journal";
    }
}

void TRetencaoLivro::RemoveLote(TLivroTransacoes& Livro) {
    if (!FLimite) {
        return;
    }
    const std::optional<int> Removidos = Livro.RemoveAnteriores(*FLimite, Lote);
    if (Removidos.value_or(0) > 0) {
        qCInfo(lcLivroTEF) << "transactions removed from the journal, older than" << *FLimite
                           << *Removidos;
    }
    if (Removidos.value_or(0) < Lote) {
        FLimite.reset();
    }
}
