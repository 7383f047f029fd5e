#pragma once

#include <QDate>

#include <optional>

class TLivroTransacoes;

// How long the journal keeps ended transactions: the limit is reckoned at
// the start, and the old ones go a batch at a time while the counter is
// idle, so that a year's first trim holds neither the start nor a sale.
class TRetencaoLivro {
public:
    // Transactions a batch: a few milliseconds of a status tick, also on a
    // slow card.
    static constexpr int Lote = 250;

    // Meses counted from the earlier of Hoje and the newest transaction
    // (LimiteDeRetencao): one start with the clock years ahead removes
    // nothing. A journal that cannot be read removes nothing either (it says
    // why on the status line).
    void Calcula(TLivroTransacoes& Livro, const QDate& Hoje, int Meses);
    // One batch; none once nothing older is left, or the disk refused (the
    // next start tries again).
    void RemoveLote(TLivroTransacoes& Livro);

private:
    std::optional<QDate> FLimite;
};
