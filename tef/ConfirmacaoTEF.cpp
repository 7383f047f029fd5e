#include "ConfirmacaoTEF.h"

#include "CodigosDialogo.h"
#include "Erros.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "FuncoesSiTef.h"
#include "Relogio.h"
#include "Textos.h"
#include "VendaTEF.h"

#include <algorithm>

using namespace CodigosDialogo;

namespace {

constexpr std::int32_t ResultadoAbandono = -2;

void Avisa(TOperadorTEF& Operador, const QString& Mensagem, std::uint8_t Icone) {
    Operador.MsgDisplay(Mensagem, QStringLiteral("Atenção"), BotoesOk, Icone,
                        BotaoPadraoAutomatico);
}

// One attempt: the working file written, then the receipt printed. A
// receipt that could not even be prepared (a file not written) is one that
// did not print: the operator is told why, and the transaction goes on to
// the question whether to try again.
bool ImprimeOuRelata(TOperadorTEF& Operador, TDM_TEF& Modulo, const TRegistroTransacao& Registro,
                     TNStringList& Comprovante) {
    try {
        Registro.Conteudo.SaveToFile(Registro.Arquivo);
        Modulo.ImprimeCupomTEF(Comprovante);
    } catch (const EErro& Erro) {
        Avisa(Operador, Erro.Mensagem(), IconeErro);
        return false;
    }
    return Modulo.UltimaImpressao == TResultadoImpressao::Enviado;
}

// One finish call for the group's document (it confirms or undoes every
// payment of that document and date), its moment recorded. False when the
// journal could not record that it was sent.
bool Finaliza(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo) {
    const TLancamentoTEF& Primeiro = *Grupo.front();
    const QString Chamada = Relogio::Agora().toString(Qt::ISODateWithMs);
    Ambiente.Biblioteca.FinalizaTransacaoSiTefInterativo(
        *Primeiro.Confirma ? 1 : 0, Primeiro.Documento, Primeiro.DataFinaliza(),
        Primeiro.HoraFinaliza());
    for (TLancamentoTEF* Lancamento : Grupo) {
        Lancamento->ChamadaFinaliza = Chamada;
    }
    return Ambiente.Livro.Registra(Grupo, TEstadoLancamento::Finalizada);
}

// The decision recorded, then sent. Sent also when it could not be
// recorded: the library must not keep an approved transaction the station
// has decided on; the operator is then told, and nothing new starts until
// the journal takes it.
void Decide(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo, bool Confirma,
            const QString& Motivo) {
    for (TLancamentoTEF* Lancamento : Grupo) {
        Lancamento->Confirma = Confirma;
        Lancamento->Motivo = Motivo;
    }
    Ambiente.Livro.Registra(Grupo, TEstadoLancamento::Decidida);
    Finaliza(Ambiente, Grupo);
    if (Ambiente.Livro.Falha().isEmpty()) {
        return;
    }
    Avisa(Ambiente.Operador,
          QStringLiteral("Transação TEF %1 (documento %2), mas %3 Nenhuma transação nova "
                         "começa até que o registro volte a ser gravado.")
              .arg(Confirma ? QStringLiteral("confirmada") : QStringLiteral("desfeita"),
                   Grupo.front()->Documento, Ambiente.Livro.Falha()),
          IconeErro);
}

// The journal refused a step before anything was printed: the approval is
// undone at once.
TFimVenda DesfazSemRegistro(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo) {
    for (TLancamentoTEF* Lancamento : Grupo) {
        Lancamento->Confirma = false;
        Lancamento->Motivo = QStringLiteral("registro de transações sem gravação");
    }
    Ambiente.Livro.Registra(Grupo, TEstadoLancamento::Decidida);
    Finaliza(Ambiente, Grupo);
    Avisa(Ambiente.Operador,
          QStringLiteral("Transação TEF desfeita, nada foi impresso (documento %1). %2")
              .arg(Grupo.front()->Documento, Ambiente.Livro.Falha()),
          IconeErro);
    return TFimVenda::Desfeita;
}

QString MensagemResolvida(const TLancamentoTEF& Lancamento, bool Impresso) {
    const QString Documento = QStringLiteral("\nDocumento: ") + Lancamento.Documento;
    if (!*Lancamento.Confirma) {
        return MensagemNaoEfetuada + Documento;
    }
    if (Impresso) {
        return QStringLiteral("Transação TEF pendente confirmada: o cupom foi impresso.") +
               Documento;
    }
    return QStringLiteral("Função TEF pendente confirmada. ") + MensagemUseReimpressao + Documento;
}

// The open payments that one finish call decides together: those of one
// document and one moment, in the order they were approved.
std::vector<TGrupoLancamentos> PorDocumento(std::vector<TLancamentoTEF>& Abertos) {
    std::vector<TGrupoLancamentos> Grupos;
    for (TLancamentoTEF& Lancamento : Abertos) {
        if (!AguardaFinalizacao(Lancamento.Estado)) {
            continue;
        }
        const auto Mesmo = std::find_if(Grupos.begin(), Grupos.end(), [&](const auto& Grupo) {
            return Grupo.front()->Documento == Lancamento.Documento &&
                   Grupo.front()->DataHoraTransacao == Lancamento.DataHoraTransacao;
        });
        if (Mesmo != Grupos.end()) {
            Mesmo->push_back(&Lancamento);
        } else {
            Grupos.push_back({&Lancamento});
        }
    }
    return Grupos;
}

// A recorded decision is sent again as it was; otherwise every receipt
// printed confirms (the customer holds them), and anything less follows the
// function's rule. False when the journal stopped the resolution.
bool ResolveDocumento(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo,
                      QStringList& Mensagens) {
    TLivroTransacoes& Livro = Ambiente.Livro;
    const auto Decidido = std::find_if(Grupo.begin(), Grupo.end(), [](const auto* L) {
        return L->Estado == TEstadoLancamento::Decidida && L->Confirma.has_value();
    });
    const bool Impressos =
        std::all_of(Grupo.begin(), Grupo.end(), [](const auto* L) { return L->Impresso; });
    const bool Confirma = Decidido != Grupo.end()
                              ? *(*Decidido)->Confirma
                              : Impressos || ConfirmaSemCupom(Grupo.front()->Funcao);
    for (TLancamentoTEF* Lancamento : Grupo) {
        if (Lancamento->Estado != TEstadoLancamento::Decidida) {
            Lancamento->Confirma = Confirma;
            Lancamento->Motivo = Impressos ? QStringLiteral("cupom impresso, resolvida ao iniciar")
                                           : QStringLiteral("cupom não impresso, resolvida ao "
                                                            "iniciar");
        }
    }
    if (!Livro.Registra(Grupo, TEstadoLancamento::Decidida)) {
        Mensagens.append(QStringLiteral("Transação TEF pendente (documento %1) não resolvida: %2")
                             .arg(Grupo.front()->Documento, Livro.Falha()));
        return false;
    }
    const bool Gravado = Finaliza(Ambiente, Grupo);
    Mensagens.append(MensagemResolvida(*Grupo.front(), Impressos));
    if (!Gravado) {
        // One state is held at a time: the rest waits for the journal.
        Mensagens.append(Livro.Falha());
    }
    return Gravado;
}

} // namespace

bool ConfirmaSemCupom(std::int32_t Funcao) {
    return Funcao == FuncaoSiTef::Cancelamento || Funcao == FuncaoSiTef::Reimpressao ||
           Funcao == FuncaoSiTef::Administrativo;
}

std::int32_t IniciaLancamento(TAmbienteTEF& Ambiente, TLancamentoTEF& Lancamento,
                              std::int32_t Funcao, std::int32_t Documento, const QString& Valor,
                              const QDateTime& DataFiscal, const QDateTime& HoraFiscal,
                              std::int32_t Operador, const std::optional<QString>& Restricoes) {
    Lancamento = TLancamentoTEF();
    Lancamento.Funcao = Funcao;
    Lancamento.Documento = QString::number(Documento);
    Lancamento.Valor = Valor;
    Lancamento.Data = FormataDataTEF(DataFiscal);
    Lancamento.Hora = FormataHoraTEF(HoraFiscal);
    Lancamento.Operador = QString::number(Operador);
    Lancamento.Restricoes = Restricoes;
    Ambiente.Livro.Inicia(Lancamento);
    return Ambiente.Biblioteca.IniciaFuncaoSiTefInterativo(
        Funcao, Lancamento.Valor, Lancamento.Documento, Lancamento.Data, Lancamento.Hora,
        Lancamento.Operador, Restricoes);
}

void EncerraSemFinalizacao(TLivroTransacoes& Livro, TLancamentoTEF& Lancamento,
                           std::int32_t Resultado) {
    Lancamento.Resultado = Resultado;
    Livro.Registra(Lancamento, Resultado == ResultadoSiTef::Ok  ? TEstadoLancamento::SemConfirmacao
                               : Resultado == ResultadoAbandono ? TEstadoLancamento::Abandonada
                                                                : TEstadoLancamento::Recusada);
}

QStringList ResolvePendencias(TAmbienteTEF& Ambiente) {
    TLivroTransacoes& Livro = Ambiente.Livro;
    // A held state goes first: what it says is newer than the file.
    if (!Livro.GravaRetido()) {
        return {QStringLiteral("Transações TEF pendentes não resolvidas: %1").arg(Livro.Falha())};
    }
    std::vector<TLancamentoTEF> Abertos = Livro.Abertos();
    QStringList Mensagens;
    for (TLancamentoTEF& Lancamento : Abertos) {
        // Stopped during the dialogue: nothing was approved to decide on.
        if (Lancamento.Estado == TEstadoLancamento::Iniciada &&
            !Livro.Registra(Lancamento, TEstadoLancamento::Interrompida)) {
            return Mensagens;
        }
    }
    for (const TGrupoLancamentos& Grupo : PorDocumento(Abertos)) {
        if (!ResolveDocumento(Ambiente, Grupo, Mensagens)) {
            break;
        }
    }
    return Mensagens;
}

QStringList MensagensPendenciasAbertas(TLivroTransacoes& Livro) {
    QStringList Mensagens;
    for (const TLancamentoTEF& Lancamento : Livro.Abertos()) {
        if (AguardaFinalizacao(Lancamento.Estado)) {
            Mensagens.append(QStringLiteral("Transação TEF pendente (documento %1) ainda não "
                                            "resolvida: será confirmada ou desfeita quando o "
                                            "TEF for iniciado.")
                                 .arg(Lancamento.Documento));
        }
    }
    return Mensagens;
}

TFimVenda ConcluiTransacao(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, const TGrupoLancamentos& Grupo,
                           const TRegistroTransacao& Registro, TNStringList& Comprovante) {
    TOperadorTEF& Operador = Ambiente.Operador;
    TLivroTransacoes& Livro = Ambiente.Livro;
    for (TLancamentoTEF* Lancamento : Grupo) {
        if (Lancamento->Estado == TEstadoLancamento::Iniciada) {
            Lancamento->Resultado = ResultadoSiTef::Ok;
            Lancamento->Comprovante = Comprovante.Text();
            if (!Livro.Registra(*Lancamento, TEstadoLancamento::Aprovada)) {
                return DesfazSemRegistro(Ambiente, Grupo);
            }
        }
    }
    // No receipt text (for instance after a view-only notice): there is
    // nothing to print, and an empty print dialog must not undo an approval.
    // The working file still describes this transaction, not the last one.
    if (AparaControles(Comprovante.Text()).isEmpty()) {
        try {
            Registro.Conteudo.SaveToFile(Registro.Arquivo);
        } catch (const EErro& Erro) {
            Avisa(Operador, Erro.Mensagem(), IconeErro);
        }
        Decide(Ambiente, Grupo, true, QStringLiteral("comprovante em branco"));
        return TFimVenda::Confirmada;
    }
    for (;;) {
        if (!Livro.Registra(Grupo, TEstadoLancamento::Imprimindo)) {
            return DesfazSemRegistro(Ambiente, Grupo);
        }
        if (ImprimeOuRelata(Operador, Modulo, Registro, Comprovante)) {
            for (TLancamentoTEF* Lancamento : Grupo) {
                Lancamento->Impresso = true;
            }
            Livro.Registra(Grupo, TEstadoLancamento::Impressa);
            Decide(Ambiente, Grupo, true, QStringLiteral("cupom impresso"));
            return TFimVenda::Confirmada;
        }
        Livro.Registra(Grupo, TEstadoLancamento::NaoImpressa);
        if (Operador.MsgDisplayResp(QStringLiteral("Cupom TEF não foi impresso. Tentar novamente?"),
                                    QStringLiteral("Responda"), BotoesSimNao, IconeQuestao,
                                    BotaoPadraoAutomatico) != RespSim) {
            break;
        }
    }
    const bool Confirma = ConfirmaSemCupom(Grupo.front()->Funcao);
    Decide(Ambiente, Grupo, Confirma,
           QStringLiteral("cupom não impresso, nova tentativa recusada pelo operador"));
    Avisa(Operador, Confirma ? MensagemUseReimpressao : MensagemNaoEfetuada, IconeInformacao);
    return Confirma ? TFimVenda::ConfirmadaSemCupom : TFimVenda::Desfeita;
}

void DesfazPartes(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo, const QString& Motivo) {
    if (!Grupo.empty()) {
        Decide(Ambiente, Grupo, false, Motivo);
    }
}

TFimVenda ConcluiVenda(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, TVendaTEF& Venda,
                       const QDateTime& Momento) {
    TOperadorTEF& Operador = Ambiente.Operador;
    DM_CAIXA_VAREJO.StatusTEF = 0;
    if (Venda.SoVisualizar && AparaControles(Venda.Str_Primeira_via.Text()).isEmpty()) {
        EncerraSemFinalizacao(Ambiente.Livro, Venda.Lancamento, ResultadoSiTef::Ok);
        Operador.Visualizador().TornaPresente();
        Operador.Visualizador().MostraTexto(Venda.Str_Primeira_via, QString());
        Operador.Visualizador().Libera();
        return TFimVenda::Visualizada;
    }
    Venda.Lancamento.DataHoraTransacao = FormataDataHoraTEF(Momento);
    return ConcluiTransacao(Ambiente, Modulo, {&Venda.Lancamento},
                            {ArquivoCupom, Venda.Str_Primeira_via}, Venda.Str_Primeira_via);
}
