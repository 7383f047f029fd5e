#include "PassosTEF.h"

#include "CodigosDialogo.h"
#include "FAT_DM_TEF_OFFLINE.h"

namespace PassosTEF {

std::int32_t ContinuaDoCodigo(const QString& Codigo) {
    if (Codigo == CodigosDialogo::CodigoAbandono) {
        return -1;
    }
    return Codigo == CodigosDialogo::CodigoVoltar ? 1 : 0;
}

TResultadoColeta Coleta(TOperadorTEF& Operador, const QString& Mensagem, const TSaidaComando& Saida,
                        std::int32_t TipoColeta) {
    TColetaDadosTEF& Dialogo = Operador.Coleta();
    Dialogo.TornaPresente();
    Dialogo.DefineCodigoSaida(QString());
    Dialogo.DefineTitulo(Mensagem);
    Dialogo.DefineTamanhoMaximo(Saida.TamanhoMaximo);
    Dialogo.DefineTamanhoMinimo(Saida.TamanhoMinimo);
    Dialogo.DefineTipoColeta(TipoColeta);
    Dialogo.Mostra();
    return {Dialogo.CodigoSaida(), Dialogo.ValorColetado()};
}

void PerguntaSimNaoCancelar(TOperadorTEF& Operador, TBufferSiTef& Buffer, const QString& Mensagem) {
    using namespace CodigosDialogo;
    switch (Operador.MsgDisplayResp(Mensagem, QStringLiteral("Responda"), BotoesSimNaoCancelar,
                                    IconeQuestao, BotaoPadraoAutomatico)) {
    case RespSim:
        Buffer.EscreveResposta(QStringLiteral("0"));
        break;
    case RespNao:
        Buffer.EscreveResposta(QStringLiteral("1"));
        break;
    case RespCancelar:
        Continua = -1;
        break;
    default:
        break;
    }
}

TEscolhaMenu EscolheOpcao(TOperadorTEF& Operador, const QString& Opcoes) {
    TMenuOpcoesTEF& Menu = Operador.Menu();
    Menu.TornaPresente();
    Menu.DefineOpcaoEscolhida(QString());
    Menu.DefineOpcoes(Opcoes);
    Menu.Mostra();
    return {Menu.OpcaoEscolhida(), Menu.Continuacao()};
}

bool GuardaVia(TNStringList& Comprovante, std::int32_t TipoCampo, const QString& Mensagem) {
    if (TipoCampo == 122) {
        Comprovante.Add(QStringLiteral("cliente"));
        Comprovante.Add(QString(48, u'-'));
        Comprovante.Add(QStringLiteral("loja"));
    } else if (TipoCampo != 121) {
        return false;
    }
    Comprovante.Add(Mensagem);
    return true;
}

bool GuardaAutorizacao(TAutorizacaoTEF& Autorizacao, std::int32_t TipoCampo,
                       const QString& Mensagem) {
    QString* Destino = nullptr;
    switch (TipoCampo) {
    case 131:
        Destino = &Autorizacao.Rede;
        break;
    case 132:
        Destino = &Autorizacao.Bandeira;
        break;
    case 133:
        Destino = &Autorizacao.NsuSiTef;
        break;
    case 134:
        Destino = &Autorizacao.NsuHost;
        break;
    default:
        return false;
    }
    *Destino = Mensagem.trimmed();
    return true;
}

std::optional<QString> MensagemDoResultado(std::int32_t Resultado) {
    switch (Resultado) {
    case -1:
        return QStringLiteral("Módulo não inicializado.");
    case -2:
        return QStringLiteral("Operação cancelada pelo operador.");
    case -3:
        return QStringLiteral("Fornecida uma modalidade inválida.");
    case -4:
        return QStringLiteral("Falta de memória para rodar a função.");
    case -5:
        return QStringLiteral("Sem comunicação com o Sitef.");
    default:
        return std::nullopt;
    }
}

} // namespace PassosTEF
