#include "LacoTEF.h"

#include "CodigosDialogo.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "PassosTEF.h"
#include "RegistroTEF.h"
#include "Textos.h"

#include <QScopeGuard>

using namespace CodigosDialogo;

namespace {

constexpr int PausaAprovacao = 2000;
// Waits (command 23), or steps ignored with only messages between them,
// before the operator is first asked to interrupt.
constexpr std::int32_t EsperasSemPergunta = 45;

// Commands that only show or clear a text. They are no progress: a library
// that shows a message between each of its ignored steps is waiting as
// surely as one that sends nothing else.
constexpr bool SoMostra(std::int32_t Comando) {
    return (Comando >= 1 && Comando <= 4) || (Comando >= 11 && Comando <= 16);
}

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

TLacoTEF::TLacoTEF(TAmbienteTEF& Ambiente, const TRegrasLaco& Regras, const QDateTime& Inicio,
                   TNStringList& Comprovante)
    : FAmbiente(Ambiente), FRegras(Regras), FInicio(Inicio), FComprovante(Comprovante) {}

std::int32_t TLacoTEF::Executa() {
    TSaidaComando Saida;
    TBufferSiTef Buffer;
    Continua = 0;
    FContadorEspera = 0;
    FIgnoradosSeguidos = 0;
    FAvisados.clear();
    // What the library put on the customer's side goes with the function.
    const auto Limpa = qScopeGuard([this] {
        FAmbiente.Operador.TelaCliente().RemoveQRCode();
        FAmbiente.Operador.TelaCliente().DefineCabecalho(QString());
    });
    std::int32_t Resultado = ResultadoSiTef::Continua;
    while (Resultado == ResultadoSiTef::Continua) {
        Resultado = FAmbiente.Biblioteca.ContinuaFuncaoSiTefInterativo(Saida, Buffer, Continua);
        const QString Texto = Buffer.TextoMensagem();
        if (Resultado == ResultadoSiTef::Continua) {
            Atende(Saida, Buffer, Texto);
        }
        if (FRegras.ProcessaACadaIteracao) {
            FAmbiente.Operador.ProcessaMensagens();
        }
    }
    return Resultado;
}

void TLacoTEF::Atende(const TSaidaComando& Saida, TBufferSiTef& Buffer, const QString& Texto) {
    if (PassoIgnorado(Saida)) {
        Ignora(Saida);
        return;
    }
    if (!SoMostra(Saida.Comando)) {
        FIgnoradosSeguidos = 0;
    }
    AtendeComando(Saida, Buffer, Texto);
    AtendeTipoCampo(Saida, Texto);
}

void TLacoTEF::AtendeComando(const TSaidaComando& Saida, TBufferSiTef& Buffer,
                             const QString& Texto) {
    TOperadorTEF& Operador = FAmbiente.Operador;
    switch (Saida.Comando) {
    case 0:
        break;
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
    case 15:
        Operador.TelaCliente().DefineCabecalho(Texto);
        break;
    case 16:
        Operador.TelaCliente().DefineCabecalho(QString());
        break;
    case 20:
        Pergunta(Buffer, Texto);
        break;
    case 21:
    case 42: {
        if (FRegras.MenuMarcaTEFAtivo) {
            DM_CAIXA_VAREJO.StatusTEF = 0;
        }
        const PassosTEF::TEscolhaMenu Escolha = PassosTEF::EscolheOpcao(Operador, Texto);
        Buffer.EscreveResposta(Escolha.Resposta);
        Continua = Escolha.Continua;
        break;
    }
    case 22:
        Notifica(Texto);
        break;
    case 23:
        Espera();
        break;
    case 29:
        // A field the station would give without asking the operator: it
        // keeps none of the data such fields ask for, so the answer is empty.
        qCInfo(lcLacoTEF) << "campo sem valor da estação, tipoCampo" << Saida.TipoCampo;
        Buffer.EscreveResposta(QString());
        break;
    case 30:
        FContadorEspera = 0;
        ColetaDados(Buffer, Texto, Saida,
                    FRegras.SenhaNoCampo500 && Saida.TipoCampo == 500 ? ColetaSenha : ColetaTexto);
        break;
    case 31:
        ColetaDados(Buffer, Texto, Saida, ColetaCheque);
        break;
    case 34:
        FContadorEspera = 0;
        ColetaDados(Buffer, Texto, Saida, ColetaValor);
        if (FRegras.ValorEncerraExigencia) {
            Operador.Coleta().DefineExigeValor(false);
        }
        break;
    case 35:
        ColetaDados(Buffer, Texto, Saida, ColetaTexto);
        break;
    case 41:
        FContadorEspera = 0;
        ColetaDados(Buffer, Texto, Saida, ColetaMascarada);
        break;
    case 50:
    case 51:
    case 52:
        QRCode(Saida, Texto);
        break;
    }
}

// A step of a newer library than the station (PassoIgnorado). Its buffer
// may hold card or PIX data: it is neither kept nor logged, only its codes,
// once a transaction, so that a new field type at every step does not fill
// the logs. It goes on with 0 and the buffer as it came; a library that
// sends nothing else, or only messages between them, is asked about as a
// long wait is.
void TLacoTEF::Ignora(const TSaidaComando& Saida) {
    if (FAvisados.insert({Saida.Comando, Saida.TipoCampo}).second) {
        qCWarning(lcLacoTEF) << "passo ignorado, comando" << Saida.Comando << "tipoCampo"
                             << Saida.TipoCampo;
    }
    Continua = 0;
    ContaSemProgresso(FIgnoradosSeguidos);
}

void TLacoTEF::AtendeTipoCampo(const TSaidaComando& Saida, const QString& Texto) {
    switch (Saida.TipoCampo) {
    case 19:
    case 36:
        SoVisualizar = true;
        break;
    case 105: {
        // The transaction's own moment; the library's text is not used.
        const QString Momento = FormataDataHoraTEF(FInicio);
        DM_CAIXA_VAREJO.DataHoraTransacao = Momento;
        if (DadosTransacao != nullptr) {
            DadosTransacao->Add(Momento);
        }
        break;
    }
    case 146: {
        TColetaDadosTEF& Coleta = FAmbiente.Operador.Coleta();
        Coleta.TornaPresente();
        Coleta.DefineExigeValor(true);
        if (FRegras.LimpaCodigoSaida) {
            Coleta.DefineCodigoSaida(QString());
        }
        break;
    }
    default:
        if (PassosTEF::GuardaAutorizacao(Autorizacao, Saida.TipoCampo, Texto)) {
            break;
        }
        if (PassosTEF::GuardaVia(FComprovante, Saida.TipoCampo, Texto) && Saida.TipoCampo == 121) {
            RecebeuComprovante = true;
        }
        break;
    }
}

void TLacoTEF::Anota(TLancamentoTEF& Lancamento) const {
    Lancamento.Autorizacao = Autorizacao;
    Lancamento.ValorInformado = ValorInformado;
}

// Commands 1 to 3: a wait box that stays until removed.
void TLacoTEF::Mensagem(const QString& Texto) {
    if (AparaControles(Texto).isEmpty()) {
        if (FRegras.MensagemVaziaContinua) {
            Continua = 0;
        }
        return;
    }
    FAmbiente.Operador.AguardeDisplay(Texto);
    if (!FRegras.ProcessaACadaIteracao) {
        FAmbiente.Operador.ProcessaMensagens();
    }
    if (FRegras.PausaAprovacao && PedePausa(Texto)) {
        FAmbiente.Operador.Pausa(PausaAprovacao);
    }
    Continua = 0;
}

// Command 20: "&Sim" replies "0", "&Não" "1".
void TLacoTEF::Pergunta(TBufferSiTef& Buffer, const QString& Texto) {
    if (FRegras.PerguntaComCancelar) {
        PassosTEF::PerguntaSimNaoCancelar(FAmbiente.Operador, Buffer, Texto);
        return;
    }
    const std::uint8_t Resposta = FAmbiente.Operador.MsgDisplayResp(
        Texto, QStringLiteral("Responda"), BotoesSimNao, IconeQuestao, BotaoPadraoAutomatico);
    Buffer.EscreveResposta(Resposta == RespNao ? QStringLiteral("1") : QStringLiteral("0"));
    Continua = 0;
}

// Command 22: a notice.
void TLacoTEF::Notifica(const QString& Texto) {
    TOperadorTEF& Operador = FAmbiente.Operador;
    if (FRegras.NotaNoVisualizador && SoVisualizar &&
        AparaControles(FComprovante.Text()).isEmpty()) {
        TNStringList Nota;
        Nota.Add(Texto);
        Operador.Visualizador().TornaPresente();
        Operador.Visualizador().MostraTexto(Nota, QString());
        SoVisualizar = false;
        return;
    }
    Operador.MsgDisplay(Texto, QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                        BotaoPadraoAutomatico);
}

// Command 23, in both loops: the library is waiting (for the PIN pad, the
// host, the customer's phone). The operator may give up from the QR code's
// window; otherwise the 47th wait after the start or the last 30, 34 or 41,
// and every 46th after it, asks "Deseja interromper ?".
void TLacoTEF::Espera() {
    TTelaClienteTEF& Tela = FAmbiente.Operador.TelaCliente();
    if (Tela.QRCodePresente()) {
        FAmbiente.Operador.ProcessaMensagens();
        if (Tela.Abandonado()) {
            Continua = -1;
        }
        return;
    }
    ContaSemProgresso(FContadorEspera);
}

// One more step of a run the operator sees nothing of: its 47th, and every
// 46th after it, asks "Deseja interromper ?".
void TLacoTEF::ContaSemProgresso(std::int32_t& Contador) {
    if (Contador > EsperasSemPergunta) {
        Contador = 0;
        if (FAmbiente.Operador.MsgDisplayResp(QStringLiteral("Deseja interromper ?"),
                                              QStringLiteral("Responda"), BotoesSimNao,
                                              IconeQuestao, BotaoPadraoAutomatico) == RespSim) {
            Continua = -1;
        }
    }
    ++Contador;
}

// Commands 50 (the QR code, with field type 584), 51 (remove it) and 52 (its
// footer).
void TLacoTEF::QRCode(const TSaidaComando& Saida, const QString& Texto) {
    TTelaClienteTEF& Tela = FAmbiente.Operador.TelaCliente();
    if (Saida.Comando == 50 && Saida.TipoCampo == TipoCampoQRCode) {
        Tela.MostraQRCode(Texto.mid(1)); // without the message text's leading blank
    } else if (Saida.Comando == 51) {
        Tela.RemoveQRCode();
    } else if (Saida.Comando == 52) {
        Tela.DefineRodape(Texto);
    }
}

// Commands 30, 31, 34, 35 and 41.
void TLacoTEF::ColetaDados(TBufferSiTef& Buffer, const QString& Texto, const TSaidaComando& Saida,
                           std::int32_t TipoColeta) {
    const PassosTEF::TResultadoColeta Coletado =
        PassosTEF::Coleta(FAmbiente.Operador, Texto, Saida, TipoColeta);
    Continua = PassosTEF::ContinuaDoCodigo(Coletado.CodigoSaida);
    const bool Abandonou = Coletado.CodigoSaida == CodigoAbandono;
    if (Saida.Comando == 34 && Continua == 0) {
        ValorInformado = Coletado.Valor.trimmed();
    }
    if (!Abandonou || FRegras.RespondeAposAbandono) {
        QString Prefixo;
        if (FRegras.RespostaComContinua && (Saida.Comando == 31 || Saida.Comando == 35)) {
            Prefixo = QString::number(Continua) + u':';
        } else if (Saida.Comando == 31) {
            // The sale's check answer goes with a "1" in front.
            Prefixo = QStringLiteral("1");
        }
        Buffer.EscreveResposta(Prefixo + Coletado.Valor);
    }
    if (FRegras.LimpaCodigoSaida) {
        FAmbiente.Operador.Coleta().DefineCodigoSaida(QString());
    }
}
