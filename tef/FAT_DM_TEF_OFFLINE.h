#pragma once

#include "BemaFI32.h"
#include "BibliotecaSiTef.h"
#include "Currency.h"
#include "LivroTransacoes.h"
#include "NReport.h"
#include "OperadorTEF.h"
#include "TNStringList.h"

#include <QString>

#include <cstdint>

class TLacoTEF;

// What every TEF operation talks to: the client library, the operator and
// the transaction journal.
struct TAmbienteTEF {
    TBibliotecaSiTef& Biblioteca;
    TOperadorTEF& Operador;
    TLivroTransacoes& Livro;
};

// The station's TEF machinery apart from the sale: the receipt printing and
// the administrative functions.
class TDM_TEF {
public:
    // Interface: how the receipt report reaches the operator and the printers.
    TDM_TEF(TAmbienteTEF& Ambiente, TInterfaceRelatorio* Interface);

    TNStringList StrDadosTransacaoTEf;
    TNTextReport impcupom;
    TNStringList Str_Impressao;
    TBemaFI32 BemaFI32;
    // What became of the last receipt sent to the report.
    TResultadoImpressao UltimaImpressao = TResultadoImpressao::Cancelado;

    // Prints the receipt (its entries become one per line) NumeroVias times,
    // the promissory-note block left out. True once the text was prepared,
    // whatever the printing gave (see UltimaImpressao).
    bool ImprimeCupomTEF(TNStringList& Cupom);
    // Prints a copy of a receipt the journal keeps (its text as the library
    // delivered it) through the same report, MarcaCopia at its top. Nothing is
    // asked of the library nor written to the working files: the transaction
    // stays as it was.
    TResultadoImpressao ImprimeCopia(const QString& Comprovante);

    TAmbienteTEF& Ambiente() const { return FAmbiente; }

    // Runs a SiTef function other than the sale and the communication test
    // (cancellation, reprint, pre-authorisation and its capture, the
    // administrative menu): serves the library's commands through the
    // caller's dialogs, then shows the receipt when it is to be viewed, or
    // saves "DadosTef.txt", prints and confirms. UsaCupomAtual: the document
    // number last drawn instead of a new one. True when the library ended
    // the function with 0; results -1 to -5 are told and end in a silent abort.
    bool ExecutaFuncaoTEF(std::int32_t Funcao, std::int32_t Operador, const QString& Restricoes,
                          Currency Valor, bool UsaCupomAtual);

private:
    void impcupomPrintDetail(TNTextReport& Relatorio);
    void FimDaFuncao(TLancamentoTEF& Lancamento, std::int32_t Resultado, const TLacoTEF& Laco,
                     TNStringList& Comprovante);

    TAmbienteTEF& FAmbiente;
};

// The transaction data of the last function: its document number, then one
// "yyyymmddhhnnss" line per field type 105.
inline const QString ArquivoDadosTEF = QStringLiteral("DadosTef.txt");

// The first line of a receipt's copy.
inline const QString MarcaCopia = QStringLiteral("     *** CÓPIA DO COMPROVANTE TEF ***");

// The receipt file written while printing, in the working directory.
inline const QString ArquivoCupomTEF = QStringLiteral("Tef.txt");

// The print list: every line of the receipt, Vias times; a copy whose text
// holds a promissory note loses it (see ImprimeCupomTEF).
TNStringList LinhasDeImpressao(const TNStringList& Cupom, std::int32_t Vias);

extern TDM_TEF* DM_TEF;

// Continuation value of every interactive loop: 0 go on, 1 back, -1 interrupt.
extern std::int32_t Continua;

// The document-number file, in the working directory.
inline const QString ArquivoSequencia = QStringLiteral("tef_sequencia.ini");

// Draws the next document number (the first is 1). Raises EErroConversao when
// the file holds anything but one decimal number, leaving it untouched, and
// EErroGravacao when the new number cannot be stored.
std::int32_t ProximaSequencia();
// The document number last drawn (0 before the first), without drawing.
std::int32_t SequenciaAtual();

// Runs SiTef function 111. Silencioso: yes/no questions are answered yes and
// notices are not shown. Returns the library's final result.
std::int32_t TestaComunicacaoTEF(TAmbienteTEF& Ambiente, bool Silencioso);
