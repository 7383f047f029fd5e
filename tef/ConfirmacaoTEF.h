#pragma once

#include "BibliotecaSiTef.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "TNStringList.h"

#include <QString>

#include <cstdint>
#include <optional>

class TVendaTEF;

// An approved transaction waiting for its confirmation. It is written to a
// small file before the receipt is printed and removed once the library has
// been told, so that a crash in between is resolved at the next start.
struct TPendencia {
    std::int32_t Funcao = 0;
    QString Cupom;
    QString Data; // "yyyymmdd"
    QString Hora; // "hhnnss"
};

// The working file a transaction leaves beside its receipt: "CUPOM.TXT" for
// a sale, "DadosTef.txt" for a function.
struct TRegistroTransacao {
    QString Arquivo;
    const TNStringList& Conteudo;
};

inline const QString ArquivoPendencia = QStringLiteral("tef_pendente.txt");
inline const QString ArquivoCupom = QStringLiteral("CUPOM.TXT");
inline const QString MensagemNaoEfetuada =
    QStringLiteral("Transação TEF não efetuada. Favor reter o Cupom.");
inline const QString MensagemUseReimpressao =
    QStringLiteral("Cupom TEF não impresso. Use a reimpressão.");

// What becomes of an approved function whose receipt did not print: a
// cancellation, a reprint and an administrative function are confirmed all
// the same (undoing a cancellation would charge the customer again); a sale,
// a pre-authorisation and its capture are undone.
bool ConfirmaSemCupom(std::int32_t Funcao);

void GravaPendencia(const TPendencia& Pendencia);
std::optional<TPendencia> LePendencia();

// Confirms (true) or undoes the transaction with the library and removes the
// pending record.
void FinalizaPendencia(TBibliotecaSiTef& Biblioteca, const TPendencia& Pendencia, bool Confirma);

struct TPendenciaResolvida {
    TPendencia Pendencia;
    bool Confirmada;
};

// At start: a confirmation left pending by an earlier run is confirmed or
// undone by its function's rule (ConfirmaSemCupom); returns what was done.
std::optional<TPendenciaResolvida> ResolvePendenciaAnterior(TBibliotecaSiTef& Biblioteca);

// What the operator is told of a pending record that cannot be resolved yet
// (the library is missing or not configured): it stays until it can.
QString MensagemPendenciaAberta(const TPendencia& Pendencia);

// What the operator is told of a pending record resolved at start.
QString MensagemPendenciaResolvida(const TPendenciaResolvida& Resolvida);

enum class TFimVenda { Visualizada, Confirmada, ConfirmadaSemCupom, Desfeita };

// The receipt printed and the transaction confirmed. The working file and
// the pending record are written before printing, at every attempt: a disk
// that refuses them (full, read-only) stops the attempt before anything is
// printed, as a receipt that did not print. Such a receipt is offered again,
// and when the operator declines, the function's rule (ConfirmaSemCupom)
// confirms or undoes it and the operator is told.
TFimVenda ConcluiTransacao(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, const TPendencia& Pendencia,
                           const TRegistroTransacao& Registro, TNStringList& Comprovante);

// After an approved sale: the view-only ending, or the receipt saved as
// "CUPOM.TXT", printed and the sale confirmed with its own document number,
// date and time. A receipt that was not printed is offered again; when the
// operator declines, the sale is undone and the operator told.
TFimVenda ConcluiVenda(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, TVendaTEF& Venda);
