#pragma once

#include "Currency.h"
#include "LivroTransacoes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// One transaction of a day as the cashier reads it.
struct TLinhaMovimento {
    std::int64_t Id = 0;
    QString Hora; // "HH:MM:SS" of the start call
    QString Documento;
    QString Funcao;   // "Venda", "Cancelamento", ...
    Currency Valor;   // the start call's, or the one typed during the dialogue
    QString Situacao; // "confirmada", "desfeita", "recusada (código 5)", ...
    TAutorizacaoTEF Autorizacao;
    // Whether the library delivered a receipt (the journal keeps its text).
    bool ComComprovante = false;
    // Why no copy of that receipt may print (undone, declined, still open,
    // outcome unknown): paper that reads as a payment must not come of
    // one; empty when the copy prints.
    QString SemCopia;
};

struct TTotalMovimento {
    int Quantidade = 0;
    Currency Soma;
};

// The day's takings: confirmed sales less confirmed cancellations.
struct TTotaisMovimento {
    TTotalMovimento Vendas;
    TTotalMovimento Cancelamentos;
    Currency Liquido;
};

// The movement of one day from its journal rows, oldest first, and its
// totals; what the "Movimento TEF" window lists and exports.
class TMovimentoTEF {
public:
    explicit TMovimentoTEF(const std::vector<TResumoLancamento>& Lancamentos);

    const std::vector<TLinhaMovimento>& Linhas() const { return FLinhas; }
    const TTotaisMovimento& Totais() const { return FTotais; }

    // The lines as CSV: UTF-8, ";" between fields, decimal comma, a header
    // row, CR LF after every row; a field holding ";", a quote or a line
    // break is quoted.
    QByteArray Csv() const;

private:
    std::vector<TLinhaMovimento> FLinhas;
    TTotaisMovimento FTotais;
};

// The columns of the movement, as the window lists them and the CSV file
// holds them, and the text of one line's cell in each.
const QStringList& ColunasMovimento();
QString CelulaMovimento(const TLinhaMovimento& Linha, int Coluna);
inline constexpr int ColunaValorMovimento = 3;
// The brand's column, the network's after it: their names from the
// library's tables (NomesSiTef.h); the CSV keeps each code beside its name.
inline constexpr int ColunaBandeiraMovimento = 5;

// The cashier's name of a function code ("Função N" for one the station
// does not open).
QString NomeDaFuncao(std::int32_t Funcao);
// How a transaction ended, in the cashier's words.
QString SituacaoDoLancamento(const TLancamentoTEF& Lancamento);
// Why a copy of the transaction's receipt is refused; empty when it prints.
QString MotivoSemCopia(const TLancamentoTEF& Lancamento);
// An amount as the cashier reads it: "1234,50".
QString TextoDoValor(Currency Valor);
