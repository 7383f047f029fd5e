#include "ConfirmacaoTEF.h"

#include "CodigosDialogo.h"
#include "Erros.h"
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

namespace {

// One attempt: the working files written, then the receipt printed. A
// receipt that could not even be prepared (a file not written) is one that
// did not print: the operator is told why, and the transaction goes on to
// the question whether to try again.
bool ImprimeOuRelata(TOperadorTEF& Operador, TDM_TEF& Modulo, const TPendencia& Pendencia,
                     const TRegistroTransacao& Registro, TNStringList& Comprovante) {
    try {
        Registro.Conteudo.SaveToFile(Registro.Arquivo);
        GravaPendencia(Pendencia);
        Modulo.ImprimeCupomTEF(Comprovante);
    } catch (const EErro& Erro) {
        Operador.MsgDisplay(Erro.Mensagem(), QStringLiteral("Atenção"), BotoesOk, IconeErro,
                            BotaoPadraoAutomatico);
        return false;
    }
    return Modulo.UltimaImpressao == TResultadoImpressao::Enviado;
}

} // namespace

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

QString MensagemPendenciaAberta(const TPendencia& Pendencia) {
    return QStringLiteral("Transação TEF pendente (documento %1) ainda não resolvida: será "
                          "confirmada ou desfeita quando o TEF for iniciado.")
        .arg(Pendencia.Cupom);
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
                           const TRegistroTransacao& Registro, TNStringList& Comprovante) {
    TOperadorTEF& Operador = Ambiente.Operador;
    // No receipt text (for instance after a view-only notice): there is
    // nothing to print, and an empty print dialog must not undo an approval.
    if (AparaControles(Comprovante.Text()).isEmpty()) {
        FinalizaPendencia(Ambiente.Biblioteca, Pendencia, true);
        return TFimVenda::Confirmada;
    }
    for (;;) {
        if (ImprimeOuRelata(Operador, Modulo, Pendencia, Registro, Comprovante)) {
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
    const QString DataHora = AparaControles(DM_CAIXA_VAREJO.DataHoraTransacao);
    return ConcluiTransacao(Ambiente, Modulo,
                            {FuncaoSiTef::Venda, QString::number(Venda.NumeroDocumento),
                             DataHora.left(8), DataHora.mid(8, 6)},
                            {ArquivoCupom, Venda.Str_Primeira_via}, Venda.Str_Primeira_via);
}
