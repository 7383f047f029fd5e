#include "VendaTEF.h"

#include "CodigosDialogo.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "FuncoesSiTef.h"
#include "LacoTEF.h"
#include "PassosTEF.h"

// An empty list of payment restrictions, and when the QR code is to be
// shown on the screen the library's functionality to return it, in the
// form of its manual: restrictions in brackets, then ";", then the
// functionalities in braces, each followed by ";".
QString TVendaTEF::ParametrosAdicionais() const {
    return QRCodeNaTela ? QStringLiteral("[];{DevolveStringQRCode=1;}") : QStringLiteral("[]");
}

std::int32_t TVendaTEF::ExecutaVendaTEF(std::int32_t Operador, Currency Valor,
                                        const QDateTime& DataFiscal, const QDateTime& HoraFiscal) {
    FAmbiente.Livro.ExigeLivre();
    NumeroDocumento = ProximaSequencia();
    if (AoSortearDocumento) {
        AoSortearDocumento(NumeroDocumento);
    }
    return Executa(Operador, Valor, DataFiscal, HoraFiscal);
}

std::int32_t TVendaTEF::ExecutaParte(std::int32_t Documento, std::int32_t Operador, Currency Valor,
                                     const QDateTime& DataFiscal, const QDateTime& HoraFiscal) {
    FAmbiente.Livro.ExigeLivre(QString::number(Documento));
    NumeroDocumento = Documento;
    return Executa(Operador, Valor, DataFiscal, HoraFiscal);
}

std::int32_t TVendaTEF::Executa(std::int32_t Operador, Currency Valor, const QDateTime& DataFiscal,
                                const QDateTime& HoraFiscal) {
    Str_Primeira_via.Clear();
    SoVisualizar = false;
    TOperadorTEF& Operador_ = FAmbiente.Operador;
    const std::int32_t Inicio = IniciaLancamento(
        FAmbiente, Lancamento, FuncaoSiTef::Venda, NumeroDocumento, FormataValorTEF(Valor),
        DataFiscal, HoraFiscal, Operador, ParametrosAdicionais());
    if (Inicio != ResultadoSiTef::Continua) {
        // Approved at once (0) is concluded by the caller like any approval.
        if (Inicio != ResultadoSiTef::Ok) {
            EncerraSemFinalizacao(FAmbiente.Livro, Lancamento, Inicio);
        }
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
        Laco.Anota(Lancamento);
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

QDateTime DiaDaVenda(const QDateTime& Momento) {
    return QDateTime(Momento.date(), QTime());
}

void MarcaMomentoDaVenda(const QDateTime& Momento) {
    DM_CAIXA_VAREJO.DataMovimento = DiaDaVenda(Momento);
    DM_CAIXA_VAREJO.DataHoraTransacao = FormataDataHoraTEF(Momento);
}

void AvisaResultado(TOperadorTEF& Operador, std::int32_t Resultado) {
    if (const std::optional<QString> Mensagem = PassosTEF::MensagemDoResultado(Resultado)) {
        using namespace CodigosDialogo;
        Operador.MsgDisplay(*Mensagem, QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                            BotaoPadraoAutomatico);
    }
}

TFimVenda TVendaTEF::Vende(TDM_TEF& Modulo, std::int32_t Operador, Currency Valor,
                           const QDateTime& Momento) {
    MarcaMomentoDaVenda(Momento);
    const std::int32_t Resultado = ExecutaVendaTEF(Operador, Valor, DiaDaVenda(Momento), Momento);
    if (Resultado == ResultadoSiTef::Ok) {
        return ConcluiVenda(FAmbiente, Modulo, *this, Momento);
    }
    AvisaResultado(FAmbiente.Operador, Resultado);
    return TFimVenda::NaoAprovada;
}
