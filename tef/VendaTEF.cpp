#include "VendaTEF.h"

#include "CodigosDialogo.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "PassosTEF.h"
#include "Textos.h"

using namespace CodigosDialogo;

namespace {

constexpr std::int32_t FuncaoVenda = 0;
constexpr int PausaAprovacao = 2000;

// Messages that the operator must have time to read before the next call.
bool PedePausa(const QString& Mensagem) {
    const QString Maiusculas = Mensagem.toUpper();
    for (const char* Palavra : {"OK", "AUTORIZA", "APROVADA", "SALDO"}) {
        if (Maiusculas.contains(QLatin1String(Palavra))) {
            return true;
        }
    }
    return false;
}

} // namespace

std::int32_t TVendaTEF::ExecutaVendaTEF(std::int32_t Operador, Currency Valor,
                                        const QDateTime& DataFiscal, const QDateTime& HoraFiscal) {
    Str_Primeira_via.Clear();
    NumeroDocumento = ProximaSequencia();
    if (AoSortearDocumento) {
        AoSortearDocumento(NumeroDocumento);
    }
    SoVisualizar = false;
    Continua = 0;
    TOperadorTEF& Operador_ = FAmbiente.Operador;
    const std::int32_t Inicio = FAmbiente.Biblioteca.IniciaFuncaoSiTefInterativo(
        FuncaoVenda, FormataValorTEF(Valor), QString::number(NumeroDocumento),
        FormataDataTEF(DataFiscal), FormataHoraTEF(HoraFiscal), QString::number(Operador),
        QStringLiteral("[]"));
    if (Inicio != ResultadoSiTef::Continua) {
        Operador_.FimAguardeDisplay();
        return Inicio;
    }
    Operador_.Menu().TornaPresente();
    Operador_.Coleta().TornaPresente();
    const auto Libera = [&Operador_] {
        Operador_.FimAguardeDisplay();
        Operador_.Menu().Libera();
        Operador_.Coleta().Libera();
    };
    std::int32_t Resultado = ResultadoSiTef::Continua;
    try {
        Resultado = Dialogo(HoraFiscal);
    } catch (...) {
        Libera();
        throw;
    }
    Libera();
    Operador_.FimAguardeDisplay();
    return Resultado;
}

std::int32_t TVendaTEF::Dialogo(const QDateTime& HoraFiscal) {
    TSaidaComando Saida;
    TBufferSiTef Buffer;
    std::int32_t Resultado = ResultadoSiTef::Continua;
    while (Resultado == ResultadoSiTef::Continua) {
        Resultado = FAmbiente.Biblioteca.ContinuaFuncaoSiTefInterativo(Saida, Buffer, Continua);
        const QString Texto = Buffer.TextoMensagem();
        if (Resultado == ResultadoSiTef::Continua) {
            AtendeComando(Saida, Buffer, Texto);
            AtendeTipoCampo(Saida, Texto, HoraFiscal);
        }
        FAmbiente.Operador.ProcessaMensagens();
    }
    return Resultado;
}

void TVendaTEF::AtendeComando(const TSaidaComando& Saida, TBufferSiTef& Buffer,
                              const QString& Texto) {
    TOperadorTEF& Operador = FAmbiente.Operador;
    switch (Saida.Comando) {
    case 1:
    case 2:
    case 3:
        Mensagem(Texto);
        break;
    case 4:
        Operador.Menu().DefineTitulo(Texto);
        break;
    case 11:
    case 12:
    case 13:
        Operador.FimAguardeDisplay();
        break;
    case 14:
        Operador.Menu().DefineTitulo(QString());
        break;
    case 20:
        PassosTEF::PerguntaSimNaoCancelar(Operador, Buffer, Texto);
        break;
    case 21: {
        DM_CAIXA_VAREJO.StatusTEF = 0;
        const QString Opcao = PassosTEF::EscolheOpcao(Operador, Texto);
        Buffer.EscreveResposta(Opcao);
        Continua = PassosTEF::ContinuaDoCodigo(Opcao);
        break;
    }
    case 22:
        Notifica(Texto);
        break;
    case 30:
    case 35:
        ColetaDaVenda(Buffer, Texto, Saida, PassosTEF::ColetaTexto, QString());
        break;
    case 31:
        // The check answer goes with a "1" in front.
        ColetaDaVenda(Buffer, Texto, Saida, PassosTEF::ColetaCheque, QStringLiteral("1"));
        break;
    case 34:
        ColetaDaVenda(Buffer, Texto, Saida, PassosTEF::ColetaValor, QString());
        break;
    default:
        break;
    }
}

void TVendaTEF::AtendeTipoCampo(const TSaidaComando& Saida, const QString& Texto,
                                const QDateTime& HoraFiscal) {
    switch (Saida.TipoCampo) {
    case 19:
    case 36:
        SoVisualizar = true;
        break;
    case 105:
        DM_CAIXA_VAREJO.DataHoraTransacao = FormataDataHoraTEF(HoraFiscal);
        break;
    case 146: {
        TColetaDadosTEF& Coleta = FAmbiente.Operador.Coleta();
        Coleta.TornaPresente();
        Coleta.DefineExigeValor(true);
        Coleta.DefineCodigoSaida(QString());
        break;
    }
    default:
        PassosTEF::GuardaVia(Str_Primeira_via, Saida.TipoCampo, Texto);
        break;
    }
}

// Commands 1 to 3: a wait box that stays until removed; a blank text shows
// nothing and leaves the continuation value as it was.
void TVendaTEF::Mensagem(const QString& Texto) {
    if (AparaControles(Texto).isEmpty()) {
        return;
    }
    FAmbiente.Operador.AguardeDisplay(Texto);
    if (PedePausa(Texto)) {
        FAmbiente.Operador.Pausa(PausaAprovacao);
    }
    Continua = 0;
}

// Command 22: a notice; the first one of a view-only result that has no
// receipt yet goes to the text viewer instead.
void TVendaTEF::Notifica(const QString& Texto) {
    TOperadorTEF& Operador = FAmbiente.Operador;
    if (SoVisualizar && AparaControles(Str_Primeira_via.Text()).isEmpty()) {
        StrVisualiza.Clear();
        StrVisualiza.Add(Texto);
        Operador.Visualizador().TornaPresente();
        Operador.Visualizador().MostraTexto(StrVisualiza, QString());
        SoVisualizar = false;
        return;
    }
    Operador.MsgDisplay(Texto, QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                        BotaoPadraoAutomatico);
}

// Commands 30, 31, 34 and 35: the reply is written also after an abandon or
// a back step, and the exit code is emptied for the next showing.
void TVendaTEF::ColetaDaVenda(TBufferSiTef& Buffer, const QString& Texto,
                              const TSaidaComando& Saida, std::int32_t TipoColeta,
                              const QString& Prefixo) {
    const PassosTEF::TResultadoColeta Coletado =
        PassosTEF::Coleta(FAmbiente.Operador, Texto, Saida, TipoColeta);
    Continua = PassosTEF::ContinuaDoCodigo(Coletado.CodigoSaida);
    Buffer.EscreveResposta(Prefixo + Coletado.Valor);
    FAmbiente.Operador.Coleta().DefineCodigoSaida(QString());
}
