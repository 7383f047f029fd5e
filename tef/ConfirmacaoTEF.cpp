#include "ConfirmacaoTEF.h"

#include "CodigosDialogo.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FuncoesSiTef.h"
#include "Textos.h"
#include "VendaTEF.h"

#include <QFile>

using namespace CodigosDialogo;

void GravaPendencia(const TPendencia& Pendencia) {
    TNStringList(QStringList{QString::number(Pendencia.Funcao), Pendencia.Cupom, Pendencia.Data,
                             Pendencia.Hora})
        .SaveToFile(ArquivoPendencia);
}

std::optional<TPendencia> LePendencia() {
    if (!QFile::exists(ArquivoPendencia)) {
        return std::nullopt;
    }
    TNStringList Linhas;
    Linhas.LoadFromFile(ArquivoPendencia);
    if (Linhas.Count() < 4) {
        return std::nullopt;
    }
    return TPendencia{Linhas[0].toInt(), Linhas[1], Linhas[2], Linhas[3]};
}

void FinalizaPendencia(TBibliotecaSiTef& Biblioteca, const TPendencia& Pendencia, bool Confirma) {
    Biblioteca.FinalizaTransacaoSiTefInterativo(Confirma ? 1 : 0, Pendencia.Cupom, Pendencia.Data,
                                                Pendencia.Hora);
    QFile::remove(ArquivoPendencia);
}

bool ConfirmaSemCupom(std::int32_t Funcao) {
    return Funcao == FuncaoSiTef::Cancelamento || Funcao == FuncaoSiTef::Reimpressao ||
           Funcao == FuncaoSiTef::Administrativo;
}

std::optional<TPendenciaResolvida> ResolvePendenciaAnterior(TBibliotecaSiTef& Biblioteca) {
    const std::optional<TPendencia> Pendencia = LePendencia();
    if (!Pendencia) {
        QFile::remove(ArquivoPendencia);
        return std::nullopt;
    }
    const bool Confirma = ConfirmaSemCupom(Pendencia->Funcao);
    FinalizaPendencia(Biblioteca, *Pendencia, Confirma);
    return TPendenciaResolvida{*Pendencia, Confirma};
}

QString MensagemPendenciaResolvida(const TPendenciaResolvida& Resolvida) {
    const QString Documento = QStringLiteral("\nDocumento: ") + Resolvida.Pendencia.Cupom;
    if (Resolvida.Confirmada) {
        return QStringLiteral("Função TEF pendente confirmada. ") + MensagemUseReimpressao +
               Documento;
    }
    return MensagemNaoEfetuada + Documento;
}

TFimVenda ConcluiTransacao(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, const TPendencia& Pendencia,
                           TNStringList& Comprovante) {
    TOperadorTEF& Operador = Ambiente.Operador;
    GravaPendencia(Pendencia);
    for (;;) {
        Modulo.ImprimeCupomTEF(Comprovante);
        if (Modulo.UltimaImpressao == TResultadoImpressao::Enviado) {
            FinalizaPendencia(Ambiente.Biblioteca, Pendencia, true);
            return TFimVenda::Confirmada;
        }
        if (Operador.MsgDisplayResp(QStringLiteral("Cupom TEF não foi impresso. Tentar novamente?"),
                                    QStringLiteral("Responda"), BotoesSimNao, IconeQuestao,
                                    BotaoPadraoAutomatico) != RespSim) {
            break;
        }
    }
    const bool Confirma = ConfirmaSemCupom(Pendencia.Funcao);
    FinalizaPendencia(Ambiente.Biblioteca, Pendencia, Confirma);
    Operador.MsgDisplay(Confirma ? MensagemUseReimpressao : MensagemNaoEfetuada,
                        QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                        BotaoPadraoAutomatico);
    return Confirma ? TFimVenda::ConfirmadaSemCupom : TFimVenda::Desfeita;
}

TFimVenda ConcluiVenda(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, TVendaTEF& Venda) {
    TOperadorTEF& Operador = Ambiente.Operador;
    DM_CAIXA_VAREJO.StatusTEF = 0;
    if (Venda.SoVisualizar && AparaControles(Venda.Str_Primeira_via.Text()).isEmpty()) {
        Operador.Visualizador().TornaPresente();
        Operador.Visualizador().MostraTexto(Venda.Str_Primeira_via, QString());
        Operador.Visualizador().Libera();
        return TFimVenda::Visualizada;
    }
    // Replaced whole, never left missing or torn.
    Venda.Str_Primeira_via.SaveToFile(ArquivoCupom);

    const QString DataHora = AparaControles(DM_CAIXA_VAREJO.DataHoraTransacao);
    return ConcluiTransacao(Ambiente, Modulo,
                            {FuncaoSiTef::Venda, QString::number(Venda.NumeroDocumento),
                             DataHora.left(8), DataHora.mid(8, 6)},
                            Venda.Str_Primeira_via);
}
