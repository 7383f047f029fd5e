#pragma once

#include "BemaFI32.h"
#include "BibliotecaSiTef.h"
#include "NReport.h"
#include "OperadorTEF.h"
#include "TNStringList.h"

#include <QString>

#include <cstdint>

// What every TEF operation talks to: the client library and the operator.
struct TAmbienteTEF {
    TBibliotecaSiTef& Biblioteca;
    TOperadorTEF& Operador;
};

// The station's TEF machinery apart from the sale: the receipt printing.
class TDM_TEF {
public:
    // Interface: how the receipt report reaches the operator and the printers.
    TDM_TEF(TOperadorTEF& Operador, TInterfaceRelatorio* Interface);

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

private:
    void impcupomPrintDetail(TNTextReport& Relatorio);

    TOperadorTEF& FOperador;
};

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

// Runs SiTef function 111. Silencioso: yes/no questions are answered yes and
// notices are not shown. Returns the library's final result.
std::int32_t TestaComunicacaoTEF(TAmbienteTEF& Ambiente, bool Silencioso);
