#include "VendaTEF.h"

#include "ConfirmacaoTEF.h"
#include "FormatosTEF.h"
#include "FuncoesSiTef.h"
#include "LacoTEF.h"

std::int32_t TVendaTEF::ExecutaVendaTEF(std::int32_t Operador, Currency Valor,
                                        const QDateTime& DataFiscal, const QDateTime& HoraFiscal) {
    Str_Primeira_via.Clear();
    FAmbiente.Livro.ExigeLivre();
    NumeroDocumento = ProximaSequencia();
    if (AoSortearDocumento) {
        AoSortearDocumento(NumeroDocumento);
    }
    SoVisualizar = false;
    TOperadorTEF& Operador_ = FAmbiente.Operador;
    const std::int32_t Inicio = IniciaLancamento(
        FAmbiente, Lancamento, FuncaoSiTef::Venda, NumeroDocumento, FormataValorTEF(Valor),
        DataFiscal, HoraFiscal, Operador, QStringLiteral("[]"));
    if (Inicio != ResultadoSiTef::Continua) {
        EncerraSemFinalizacao(FAmbiente.Livro, Lancamento, Inicio);
        Operador_.FimAguardeDisplay();
        return Inicio;
    }
    const auto Libera = [&Operador_] {
        Operador_.FimAguardeDisplay();
        Operador_.Menu().Libera();
        Operador_.Coleta().Libera();
    };
    std::int32_t Resultado = ResultadoSiTef::Continua;
    try {
        Operador_.Menu().TornaPresente();
        Operador_.Coleta().TornaPresente();
        TLacoTEF Laco(FAmbiente, RegrasVenda, HoraFiscal, Str_Primeira_via);
        Resultado = Laco.Executa();
        SoVisualizar = Laco.SoVisualizar;
    } catch (...) {
        Libera();
        throw;
    }
    Libera();
    // Closed a second time on a normal end, as the station requires: with no
    // box left this only processes pending messages, so the dialogs released
    // above are off the screen before the receipt is printed.
    Operador_.FimAguardeDisplay();
    if (Resultado != ResultadoSiTef::Ok) {
        EncerraSemFinalizacao(FAmbiente.Livro, Lancamento, Resultado);
    }
    return Resultado;
}
