// A station that dies after the approval: it runs a sale of the given
// scenario through the real binding, records the pending confirmation as the
// station does before printing, and exits without confirming.
//   venda_pendente    (CLISITEF_SIM_ROTEIRO, CLISITEF_SIM_DIARIO as usual)
#include "CliSiTef.h"
#include "ConfirmacaoTEF.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "OperadorRoteirizado.h"
#include "VendaTEF.h"

#include <cstdio>
#include <unistd.h>

int main() {
    TCliSiTef CliSiTef;
    TOperadorRoteirizado Operador;
    Operador.FColeta.Respostas = {{QString(), QStringLiteral("4111111111111111")},
                                  {QString(), QStringLiteral("1228")}};
    Operador.FMenu.Escolhas = {QStringLiteral("1")};
    TAmbienteTEF Ambiente{CliSiTef, Operador};
    TVendaTEF Venda(Ambiente);
    const QDateTime Agora = QDateTime::currentDateTime();
    DM_CAIXA_VAREJO.DataHoraTransacao = FormataDataHoraTEF(Agora);
    if (Venda.ExecutaVendaTEF(999, Currency::DeCentavos(500), Agora, Agora) != 0) {
        std::fprintf(stderr, "the sale was not approved\n");
        return 1;
    }
    GravaPendencia({0, QString::number(Venda.NumeroDocumento),
                    DM_CAIXA_VAREJO.DataHoraTransacao.left(8),
                    DM_CAIXA_VAREJO.DataHoraTransacao.mid(8)});
    std::printf("%d\n", Venda.NumeroDocumento);
    std::fflush(stdout);
    ::_exit(0);
}
