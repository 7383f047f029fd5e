#pragma once

#include "CicloTransacao.h"
#include "Currency.h"
#include "VendaTEF.h"

#include <QDateTime>

#include <optional>
#include <vector>

// One part of a sale paid in parts: its amount, the library's final result
// and, approved, its journal row and receipt.
struct TParteVenda {
    Currency Valor;
    std::int32_t Resultado = 0;
    TLancamentoTEF Lancamento;
    TNStringList Comprovante;

    bool Aprovada() const { return Resultado == 0; }
};

// How many approved payments a sale in parts takes when the configuration
// does not say.
inline constexpr int MaximoPartesPadrao = 5;

// A sale paid in parts (one card and another, or a card and PIX): each part
// is the library's sale dialogue with the sale's one document number, date
// and time; the approved parts stay open until nothing remains, then their
// receipts print in the order they were approved and one finish call
// confirms them all. Given up, one finish call undoes them all.
class TVendaEmPartes {
public:
    // QRCodeNaTela: each part asks the library for a PIX code to show, as
    // the single sale does. Modulo prints the receipts. MaximoPartes: the
    // approved payments the sale may take; the last of them pays whatever
    // remains.
    TVendaEmPartes(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, Currency Total,
                   const QDateTime& Momento, bool QRCodeNaTela,
                   int MaximoPartes = MaximoPartesPadrao);

    Currency Total() const { return FTotal; }
    Currency Pago() const;
    Currency Restante() const;
    const std::vector<TParteVenda>& Partes() const { return FPartes; }
    // The sale's document number; 0 before the first part.
    std::int32_t Documento() const { return FVenda.NumeroDocumento; }

    // Runs one part. Raises EErro, with nothing asked of the library, for an
    // amount not above zero or above what remains, or short of what remains
    // on the last part the sale may take (UltimaParte). Returns the library's
    // final result; a failed part leaves the others as they are. The part
    // that leaves nothing to pay concludes the sale: every receipt printed,
    // then one finish call. A journal that refuses a part undoes the sale
    // (the refused start raises EErroGravacao, after the undoing).
    std::int32_t PagaParte(Currency Valor);
    // The cashier gives up: one finish call undoes every approved part, and
    // the cashier is told with their amounts.
    TFimVenda Desiste();
    // How the sale ended: concluded, given up or undone; nothing while it
    // waits for its next part.
    std::optional<TFimVenda> Fim() const { return FFim; }
    int MaximoPartes() const { return FMaximoPartes; }
    // The next part is the last the sale may take: it pays what remains.
    bool UltimaParte() const;

private:
    TGrupoLancamentos Aprovadas();
    TFimVenda Conclui();
    // The journal refused a part: the parts approved before it are undone.
    void DesfazPorFalhaDoLivro();

    TAmbienteTEF& FAmbiente;
    TDM_TEF& FModulo;
    Currency FTotal;
    QDateTime FMomento;
    TVendaTEF FVenda;
    std::vector<TParteVenda> FPartes;
    std::optional<TFimVenda> FFim;
    int FMaximoPartes;
};

// "R$ 60,00; R$ 40,00": the amounts of the approved parts, for the cashier.
QString ValoresAprovados(const std::vector<TParteVenda>& Partes);

// What the transaction tab shows of a sale in parts: the total, each part
// with its amount and outcome, what was paid and what remains.
QString ResumoDasPartes(const TVendaEmPartes& Venda);
