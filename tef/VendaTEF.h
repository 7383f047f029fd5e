#pragma once

#include "CicloTransacao.h"
#include "Currency.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "LivroTransacoes.h"

#include <QDateTime>

#include <functional>

// The sale: SiTef function 0, served command by command until the library
// gives its final result. It keeps what the confirmation needs: the receipt
// copies, the document number and whether the result is to be viewed only.
class TVendaTEF {
public:
    explicit TVendaTEF(TAmbienteTEF& Ambiente) : FAmbiente(Ambiente) {}

    // The receipt: customer's copy, "cliente", 48 dashes, "loja", store's copy.
    TNStringList Str_Primeira_via;
    // The result is to be viewed, not printed (field types 19 and 36).
    bool SoVisualizar = false;
    // The sale's document number, drawn when it starts.
    std::int32_t NumeroDocumento = 0;
    // The sale in the transaction journal.
    TLancamentoTEF Lancamento;
    // The PIX QR code is handed to the station and shown in its own window
    // (the library's "DevolveStringQRCode"); otherwise the library shows it on
    // the PIN pad.
    bool QRCodeNaTela = false;
    // Told the document number as soon as it is drawn.
    std::function<void(std::int32_t Numero)> AoSortearDocumento;

    // The library's final result. The option menu and the data-collection
    // dialog are released and the wait box closed on every way out.
    std::int32_t ExecutaVendaTEF(std::int32_t Operador, Currency Valor, const QDateTime& DataFiscal,
                                 const QDateTime& HoraFiscal);

    // One part of a sale paid in parts: the sale's own document number, the
    // other parts of that document left open.
    std::int32_t ExecutaParte(std::int32_t Documento, std::int32_t Operador, Currency Valor,
                              const QDateTime& DataFiscal, const QDateTime& HoraFiscal);

    // The whole sale at Momento, one reading of the clock: its day and time
    // are what the start call and the finish call name, so a sale started
    // at midnight keeps one day. The library's dialogue, then its
    // conclusion (ConcluiVenda), or the fixed message of a failed result.
    TFimVenda Vende(TDM_TEF& Modulo, std::int32_t Operador, Currency Valor,
                    const QDateTime& Momento);

private:
    std::int32_t Executa(std::int32_t Operador, Currency Valor, const QDateTime& DataFiscal,
                         const QDateTime& HoraFiscal);
    QString ParametrosAdicionais() const;

    TAmbienteTEF& FAmbiente;
};

// The operator code of the cashier's sales.
inline constexpr std::int32_t OperadorCaixa = 999;

// The fiscal date a sale at Momento gives the library: its day, at midnight.
QDateTime DiaDaVenda(const QDateTime& Momento);

// The sale's day and moment in the shared station state, for its readers
// beside the sale (the sale passes them on as arguments).
void MarcaMomentoDaVenda(const QDateTime& Momento);

// The fixed message of a final result -1 to -5, if it has one.
void AvisaResultado(TOperadorTEF& Operador, std::int32_t Resultado);
