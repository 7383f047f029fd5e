#include "FAT_DM_TEF_OFFLINE.h"

#include "CodigosDialogo.h"
#include "Erros.h"
#include "FormatosTEF.h"
#include "RegistroTEF.h"
#include "Textos.h"

#include <QDateTime>
#include <QFileInfo>

#include <limits>

TDM_TEF* DM_TEF = nullptr;
std::int32_t Continua = 0;

namespace {

constexpr std::int32_t FuncaoTesteComunicacao = 111;

std::int32_t LeNumeroSequencia(const QString& Texto) {
    bool Valido = false;
    const std::int32_t Numero = Texto.toInt(&Valido, 10);
    const bool SoDecimal = !Texto.isEmpty() && std::all_of(Texto.begin(), Texto.end(), [](QChar C) {
        return C.isDigit() || C == u'-' || C == u'+';
    });
    if (!Valido || !SoDecimal) {
        throw EErroConversao(
            QStringLiteral("O arquivo %1 não contém um número de documento válido: '%2'.")
                .arg(ArquivoSequencia, Texto));
    }
    if (Numero == std::numeric_limits<std::int32_t>::max()) {
        throw EErroConversao(
            QStringLiteral("Os números de documento do arquivo %1 se esgotaram (%2).")
                .arg(ArquivoSequencia, Texto));
    }
    return Numero;
}

// Command of the communication test's dialogue.
void AtendeComandoTeste(TAmbienteTEF& Ambiente, bool Silencioso, const TSaidaComando& Saida,
                        TBufferSiTef& Buffer, const QString& Mensagem) {
    using namespace CodigosDialogo;
    TOperadorTEF& Operador = Ambiente.Operador;
    switch (Saida.Comando) {
    case 1:
    case 2:
    case 3:
        Operador.AguardeDisplay(Mensagem);
        break;
    case 11:
    case 12:
    case 13:
        Operador.FimAguardeDisplay();
        break;
    case 20:
        if (Silencioso) {
            Buffer.EscrevePrimeiroCaractere('0');
            break;
        }
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
        break;
    case 22:
        if (!Silencioso) {
            Operador.MsgDisplay(Mensagem, QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                                BotaoPadraoAutomatico);
        }
        break;
    default:
        break;
    }
}

std::int32_t DialogoTeste(TAmbienteTEF& Ambiente, bool Silencioso) {
    TSaidaComando Saida;
    TBufferSiTef Buffer;
    Continua = 0;
    std::int32_t Resultado = ResultadoSiTef::Continua;
    while (Resultado == ResultadoSiTef::Continua) {
        Resultado = Ambiente.Biblioteca.ContinuaFuncaoSiTefInterativo(Saida, Buffer, Continua);
        const QString Mensagem = Buffer.TextoMensagem();
        if (Resultado == ResultadoSiTef::Continua) {
            AtendeComandoTeste(Ambiente, Silencioso, Saida, Buffer, Mensagem);
        }
    }
    return Resultado;
}

} // namespace

std::int32_t ProximaSequencia() {
    TNStringList Lista;
    if (QFileInfo::exists(ArquivoSequencia)) {
        Lista.LoadFromFile(ArquivoSequencia);
    } else {
        Lista.SetText(QStringLiteral("000"));
    }
    const std::int32_t Numero = LeNumeroSequencia(AparaControles(Lista.Text())) + 1;
    Lista.SetText(QString::number(Numero));
    Lista.SaveToFile(ArquivoSequencia);
    qCDebug(lcSequenciaTEF) << "document number" << Numero;
    return Numero;
}

std::int32_t TestaComunicacaoTEF(TAmbienteTEF& Ambiente, bool Silencioso) {
    const std::int32_t Numero = ProximaSequencia();
    TOperadorTEF& Operador = Ambiente.Operador;
    Operador.AguardeDisplay(QStringLiteral("Testando comunicação Tef..."));
    std::int32_t Resultado = ResultadoSiTef::NaoInicializado;
    try {
        const QDateTime Agora = QDateTime::currentDateTime();
        Resultado = Ambiente.Biblioteca.IniciaFuncaoSiTefInterativo(
            FuncaoTesteComunicacao, QStringLiteral("0,00"), QString::number(Numero),
            FormataDataTEF(Agora), FormataHoraTEF(Agora), QStringLiteral("0"), std::nullopt);
        if (Resultado == ResultadoSiTef::Continua) {
            Resultado = DialogoTeste(Ambiente, Silencioso);
        }
    } catch (...) {
        Operador.FimAguardeDisplay();
        throw;
    }
    Operador.FimAguardeDisplay();
    return Resultado;
}
