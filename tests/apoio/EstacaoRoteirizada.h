#pragma once

#include "BibliotecaRoteirizada.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "InterfaceRelatorioRoteirizada.h"
#include "OperadorRoteirizado.h"
#include "PastaDeTrabalho.h"

#include <QLocale>

// The TEF engine as the station wires it, on a scripted library, operator
// and report interface, in a fresh working folder, from a zeroed state.
struct TEstacaoRoteirizada {
    TPastaDeTrabalho Pasta;
    TLivroTransacoes Livro{TLivroTransacoes::NomePadrao};
    TBibliotecaRoteirizada Biblioteca;
    TOperadorRoteirizado Operador;
    TAmbienteTEF Ambiente{Biblioteca, Operador, Livro};
    TInterfaceRelatorioRoteirizada Interface;
    TDM_TEF Modulo{Ambiente, &Interface};

    TEstacaoRoteirizada() {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        DM_CAIXA_VAREJO = TDM_CAIXA_VAREJO();
        DM_CAIXA_VAREJO.NumeroVias = 1;
        Continua = 0;
    }
};
