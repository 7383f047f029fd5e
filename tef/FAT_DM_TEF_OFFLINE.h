#pragma once

#include "BibliotecaSiTef.h"
#include "OperadorTEF.h"
#include "TNStringList.h"

#include <QString>

#include <cstdint>

// What every TEF operation talks to: the client library and the operator.
struct TAmbienteTEF {
    TBibliotecaSiTef& Biblioteca;
    TOperadorTEF& Operador;
};

// The station's TEF machinery apart from the sale.
class TDM_TEF {
public:
    TNStringList StrDadosTransacaoTEf;
    TNStringList Str_Impressao;
};

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
