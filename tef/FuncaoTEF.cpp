// The administrative-function loop of the TEF data module.
#include "CicloTransacao.h"
#include "CodigosDialogo.h"
#include "Erros.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "FormatosTEF.h"
#include "LacoTEF.h"
#include "PassosTEF.h"
#include "Relogio.h"
#include "Textos.h"

#include <QDateTime>

using namespace CodigosDialogo;

namespace {

// The -1 to -5 messages of a function come with the error icon and end the
// operation: the operator has seen the one message there is.
void MostraFalha(TOperadorTEF& Operador, const QString& Mensagem) {
    Operador.MsgDisplay(Mensagem, QStringLiteral("Atenção"), BotoesOk, IconeErro,
                        BotaoPadraoAutomatico);
    throw EAbortoSilencioso();
}

// A start refused with a code of its own: no command reached the operator,
// so nothing else would tell that nothing happened.
bool RecusaNoInicio(std::int32_t Resultado) {
    return Resultado != ResultadoSiTef::Continua && Resultado != ResultadoSiTef::Ok &&
           !PassosTEF::MensagemDoResultado(Resultado);
}

} // namespace

bool TDM_TEF::ExecutaFuncaoTEF(std::int32_t Funcao, std::int32_t Operador,
                               const QString& Restricoes, Currency Valor, bool UsaCupomAtual) {
    TNStringList Comprovante;
    FAmbiente.Livro.ExigeLivre();
    const std::int32_t Numero = UsaCupomAtual ? SequenciaAtual() : ProximaSequencia();
    const QDateTime InicioFuncao = Relogio::Agora();
    // Confirmed with its own moment also when the library sends no field type 105.
    DM_CAIXA_VAREJO.DataHoraTransacao = FormataDataHoraTEF(InicioFuncao);
    StrDadosTransacaoTEf.Clear();
    StrDadosTransacaoTEf.Add(QString::number(Numero));

    TLacoTEF Laco(FAmbiente, RegrasFuncao, InicioFuncao, Comprovante);
    Laco.DadosTransacao = &StrDadosTransacaoTEf;
    TLancamentoTEF Lancamento;
    std::int32_t Resultado =
        IniciaLancamento(FAmbiente, Lancamento, Funcao, Numero, FormataValorTEF(Valor),
                         InicioFuncao, InicioFuncao, Operador, Restricoes);
    if (RecusaNoInicio(Resultado)) {
        EncerraSemFinalizacao(FAmbiente.Livro, Lancamento, Resultado);
        FAmbiente.Operador.FimAguardeDisplay();
        FAmbiente.Operador.MsgDisplay(
            QStringLiteral("Função TEF não realizada (código %1).").arg(Resultado),
            QStringLiteral("Atenção"), BotoesOk, IconeInformacao, BotaoPadraoAutomatico);
        return false;
    }
    if (Resultado == ResultadoSiTef::Continua) {
        Resultado = Laco.Executa();
        Laco.Anota(Lancamento);
    }
    FimDaFuncao(Lancamento, Resultado, Laco, Comprovante);
    return Resultado == ResultadoSiTef::Ok;
}

void TDM_TEF::FimDaFuncao(TLancamentoTEF& Lancamento, std::int32_t Resultado, const TLacoTEF& Laco,
                          TNStringList& Comprovante) {
    TOperadorTEF& Operador = FAmbiente.Operador;
    Operador.FimAguardeDisplay();
    if (Resultado != ResultadoSiTef::Ok || !Laco.RecebeuComprovante || Laco.SoVisualizar) {
        EncerraSemFinalizacao(FAmbiente.Livro, Lancamento, Resultado);
    }
    if (const std::optional<QString> Mensagem = PassosTEF::MensagemDoResultado(Resultado)) {
        MostraFalha(Operador, *Mensagem);
    }
    if (Resultado != ResultadoSiTef::Ok || !Laco.RecebeuComprovante) {
        return;
    }
    if (Laco.SoVisualizar) {
        Operador.Visualizador().TornaPresente();
        Operador.Visualizador().MostraTexto(Comprovante, QString());
        return;
    }
    Lancamento.DataHoraTransacao = AparaControles(DM_CAIXA_VAREJO.DataHoraTransacao);
    Lancamento.DadosTransacao = StrDadosTransacaoTEf.Text();
    ConcluiTransacao(FAmbiente, *this, {&Lancamento}, {ArquivoDadosTEF, StrDadosTransacaoTEf},
                     Comprovante);
}
