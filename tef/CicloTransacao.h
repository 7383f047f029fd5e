#pragma once

// A TEF transaction's whole life in the journal and at the library: its
// start (IniciaLancamento), its end without a finish call, its conclusion
// (the receipt saved and printed, then confirmed or undone), and at the next
// start the settling of whatever a previous run left open.

#include "BibliotecaSiTef.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "LivroTransacoes.h"
#include "TNStringList.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class TVendaTEF;

// The working file a transaction leaves beside its receipt: "CUPOM.TXT" for
// a sale, "DadosTef.txt" for a function.
struct TRegistroTransacao {
    QString Arquivo;
    const TNStringList& Conteudo;
};

inline const QString ArquivoCupom = QStringLiteral("CUPOM.TXT");
inline const QString MensagemNaoEfetuada =
    QStringLiteral("Transação TEF não efetuada. Favor reter o Cupom.");
inline const QString MensagemUseReimpressao =
    QStringLiteral("Cupom TEF não impresso. Use a reimpressão.");

// What becomes of an approved function whose receipt did not print: a
// cancellation (of a card or a PIX payment), a reprint and an administrative
// function are confirmed all the same (undoing a cancellation would charge
// the customer again); a sale, a pre-authorisation and its capture are undone.
bool ConfirmaSemCupom(std::int32_t Funcao);

// Writes the new transaction to the journal before the library's start call
// and opens the function there with the same values. Raises EErro, with
// nothing asked of the library, when the journal cannot be written. The
// caller has made sure that no other transaction is open
// (TLivroTransacoes::ExigeLivre) before drawing the document number.
std::int32_t IniciaLancamento(TAmbienteTEF& Ambiente, TLancamentoTEF& Lancamento,
                              std::int32_t Funcao, std::int32_t Documento, const QString& Valor,
                              const QDateTime& DataFiscal, const QDateTime& HoraFiscal,
                              std::int32_t Operador, const std::optional<QString>& Restricoes);

// Ends a transaction that needs no finish call: the library's final result
// other than 0 (declined; -2 abandoned), or 0 with nothing to confirm.
void EncerraSemFinalizacao(TLivroTransacoes& Livro, TLancamentoTEF& Lancamento,
                           std::int32_t Resultado);

// At start, once the library is configured and before any function opens:
// every transaction a previous run left open is settled against the
// library's own list of what it holds pending (TPendenciasSiTef), one
// finish call at most per document. Pending there: a recorded decision is
// sent again as it was, a printed receipt is confirmed, an approval that
// did not print follows its function's rule (ConfirmaSemCupom). No longer
// pending: the library concluded it, and no finish call is made. Stopped
// during the dialogue: undone and told. Pending at the library and unknown
// to the journal: undone and told. Where the library cannot say, the
// journal's rules alone decide. Returns what the operator is told, one
// message per document. A decision that cannot be recorded is not sent.
QStringList ResolvePendencias(TAmbienteTEF& Ambiente);

// What the operator is told of transactions still open while the library
// cannot be reached: they wait for it.
QStringList MensagensPendenciasAbertas(TLivroTransacoes& Livro);

// The payments one finish call decides together: one transaction, or the
// parts of a sale paid in parts (one document, one moment).
using TGrupoLancamentos = std::vector<TLancamentoTEF*>;

// How a sale ended; NaoAprovada: the library's final result was not 0.
enum class TFimVenda { NaoAprovada, Visualizada, Confirmada, ConfirmadaSemCupom, Desfeita };

// The approved transaction's receipt saved, printed and the transaction
// confirmed, each step recorded in the journal before it is taken. A disk
// that refuses the working file stops the attempt before anything is
// printed, as a receipt that did not print. Such a receipt is offered again,
// and when the operator declines, the function's rule (ConfirmaSemCupom)
// confirms or undoes it and the operator is told. A journal that cannot be
// written before printing undoes the transaction at once, nothing printed.
TFimVenda ConcluiTransacao(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, const TGrupoLancamentos& Grupo,
                           const TRegistroTransacao& Registro, TNStringList& Comprovante);

// Records Lancamento as approved, with its receipt. When the journal refuses,
// Desfazer (the approvals of that document, Lancamento among them) is undone
// at once, nothing printed, and the operator told: false.
bool RegistraAprovacao(TAmbienteTEF& Ambiente, TLancamentoTEF& Lancamento,
                       const QString& Comprovante, const TGrupoLancamentos& Desfazer);

// The approved parts of a sale given up: one finish call undoes them all.
void DesfazPartes(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo, const QString& Motivo);

// After an approved sale: the view-only ending, or the receipt saved as
// "CUPOM.TXT", printed and the sale confirmed with its own document number
// and Momento (its date and time). A receipt that was not printed is
// offered again; when the operator declines, the sale is undone and the
// operator told.
TFimVenda ConcluiVenda(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, TVendaTEF& Venda,
                       const QDateTime& Momento);
