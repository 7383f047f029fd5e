#include "CicloTransacao.h"

#include "CodigosDialogo.h"
#include "Erros.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "FuncoesSiTef.h"
#include "PendenciasSiTef.h"
#include "Relogio.h"
#include "Textos.h"
#include "VendaTEF.h"

#include <QRegularExpression>

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
// payment of that document and date), its moment recorded as Fim. False
// when the journal could not record that it was sent.
bool Finaliza(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo,
              TEstadoLancamento Fim = TEstadoLancamento::Finalizada) {
    const TLancamentoTEF& Primeiro = *Grupo.front();
    const QString Chamada = Relogio::Agora().toString(Qt::ISODateWithMs);
    Ambiente.Biblioteca.FinalizaTransacaoSiTefInterativo(
        *Primeiro.Confirma ? 1 : 0, Primeiro.Documento, Primeiro.DataFinaliza(),
        Primeiro.HoraFinaliza());
    for (TLancamentoTEF* Lancamento : Grupo) {
        Lancamento->ChamadaFinaliza = Chamada;
    }
    return Ambiente.Livro.Registra(Grupo, Fim);
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

// The document, with the amount and the host's NSU where they are known (a
// function that names no amount shows none).
QString Identificacao(const TLancamentoTEF& Lancamento) {
    QString Texto = QStringLiteral("\nDocumento: ") + Lancamento.Documento;
    if (Lancamento.Valor.contains(QRegularExpression(QStringLiteral("[1-9]")))) {
        Texto += QStringLiteral("\nValor: ") + Lancamento.Valor.trimmed();
    }
    if (!Lancamento.Autorizacao.NsuHost.isEmpty()) {
        Texto += QStringLiteral("\nNSU: ") + Lancamento.Autorizacao.NsuHost;
    }
    return Texto;
}

QString MensagemResolvida(const TLancamentoTEF& Lancamento, bool Impresso) {
    const QString Documento = Identificacao(Lancamento);
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
// document and one date (the library finishes them all together), in the
// order they were started. A transaction stopped during the dialogue names
// the moment of its start call.
std::vector<TGrupoLancamentos> PorDocumento(std::vector<TLancamentoTEF>& Abertos) {
    std::vector<TGrupoLancamentos> Grupos;
    for (TLancamentoTEF& Lancamento : Abertos) {
        if (Lancamento.Estado == TEstadoLancamento::Iniciada &&
            Lancamento.DataHoraTransacao.isEmpty()) {
            Lancamento.DataHoraTransacao = Lancamento.Data + Lancamento.Hora;
        }
        const auto Mesmo = std::find_if(Grupos.begin(), Grupos.end(), [&](const auto& Grupo) {
            return Grupo.front()->Documento == Lancamento.Documento &&
                   Grupo.front()->DataFinaliza() == Lancamento.DataFinaliza();
        });
        if (Mesmo != Grupos.end()) {
            Mesmo->push_back(&Lancamento);
        } else {
            Grupos.push_back({&Lancamento});
        }
    }
    return Grupos;
}

bool Algum(const TGrupoLancamentos& Grupo, TEstadoLancamento Estado) {
    return std::any_of(Grupo.begin(), Grupo.end(),
                       [Estado](const auto* L) { return L->Estado == Estado; });
}

// The open document's first payment, with the host NSU the library listed
// for it where the journal has none (a power cut before the dialogue ended).
TLancamentoTEF ComNsuDaBiblioteca(TLancamentoTEF Lancamento, const TPendenciasSiTef& Pendencias) {
    for (const TPendenciaSiTef& P : Pendencias.Lista()) {
        if (Lancamento.Autorizacao.NsuHost.isEmpty() && !P.NsuHost.isEmpty() &&
            P.Nomeia(Lancamento.Documento, Lancamento.DataFinaliza())) {
            Lancamento.Autorizacao.NsuHost = P.NsuHost;
        }
    }
    return Lancamento;
}

// What one start does with an open document; each is at most one finish
// call.
struct TResolucao {
    TPendenciasSiTef& Pendencias;
    QStringList& Mensagens;
    // Documents (number and date) already finished in this start.
    std::vector<std::pair<QString, QString>> Finalizados;

    bool Finalizado(const QString& Documento, const QString& Data) const {
        return std::find(Finalizados.begin(), Finalizados.end(), std::pair(Documento, Data)) !=
               Finalizados.end();
    }
};

// No longer pending at the library, which therefore concluded it (the
// station opens no function while a row is open): no finish call. Even a
// recorded decision does not say it was sent (it is written before the
// call), so the outcome is read in the SiTef.
bool RegistraConcluidoPelaBiblioteca(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo,
                                     TResolucao& R) {
    const TLancamentoTEF& Primeiro = *Grupo.front();
    const QString Registrada = !Algum(Grupo, TEstadoLancamento::Decidida) ? QString()
                               : Primeiro.Confirma.value_or(false)
                                   ? QStringLiteral(" (a estação tinha decidido confirmá-la)")
                                   : QStringLiteral(" (a estação tinha decidido desfazê-la)");
    for (TLancamentoTEF* Lancamento : Grupo) {
        Lancamento->Motivo = QStringLiteral("não mais pendente no SiTef ao iniciar") + Registrada;
    }
    const bool Gravado = Ambiente.Livro.Registra(Grupo, TEstadoLancamento::ConcluidaNaBiblioteca);
    R.Mensagens.append(QStringLiteral("A transação TEF em aberto já foi concluída pelo SiTef%1: "
                                      "confira no SiTef se foi confirmada ou desfeita antes de "
                                      "cobrar de novo.")
                           .arg(Registrada) +
                       Identificacao(Primeiro));
    return Gravado;
}

// A recorded decision is sent again as it was; otherwise every receipt
// printed confirms (the customer holds them), a transaction stopped during
// the dialogue is undone (the finish call is how the library undoes one
// that a power cut interrupted), and anything else follows the function's
// rule. False when the journal stopped the resolution.
bool ResolveDocumento(TAmbienteTEF& Ambiente, const TGrupoLancamentos& Grupo, TResolucao& R) {
    TLivroTransacoes& Livro = Ambiente.Livro;
    const TLancamentoTEF& Primeiro = *Grupo.front();
    if (R.Finalizado(Primeiro.Documento, Primeiro.DataFinaliza())) {
        return true; // one finish call a document in one start
    }
    const bool Interrompida = Algum(Grupo, TEstadoLancamento::Iniciada);
    const bool SoInterrompidas = std::all_of(Grupo.begin(), Grupo.end(), [](const auto* L) {
        return L->Estado == TEstadoLancamento::Iniciada;
    });
    if (!Interrompida && R.Pendencias.Pendente(Primeiro.Documento, Primeiro.DataFinaliza()) ==
                             std::optional<bool>(false)) {
        return RegistraConcluidoPelaBiblioteca(Ambiente, Grupo, R);
    }
    const auto Decidido = std::find_if(Grupo.begin(), Grupo.end(), [](const auto* L) {
        return L->Estado == TEstadoLancamento::Decidida && L->Confirma.has_value();
    });
    const bool Impressos =
        std::all_of(Grupo.begin(), Grupo.end(), [](const auto* L) { return L->Impresso; });
    const bool Confirma = Decidido != Grupo.end() ? *(*Decidido)->Confirma
                          : Interrompida          ? false
                                                  : Impressos || ConfirmaSemCupom(Primeiro.Funcao);
    for (TLancamentoTEF* Lancamento : Grupo) {
        if (Lancamento->Estado != TEstadoLancamento::Decidida) {
            Lancamento->Confirma = Confirma;
            Lancamento->Motivo =
                Interrompida ? QStringLiteral("interrompida durante o diálogo, desfeita ao iniciar")
                : Impressos  ? QStringLiteral("cupom impresso, resolvida ao iniciar")
                             : QStringLiteral("cupom não impresso, resolvida ao iniciar");
        }
    }
    if (!Livro.Registra(Grupo, TEstadoLancamento::Decidida)) {
        R.Mensagens.append(QStringLiteral("Transação TEF pendente (documento %1) não resolvida: %2")
                               .arg(Primeiro.Documento, Livro.Falha()));
        return false;
    }
    const bool Gravado =
        Finaliza(Ambiente, Grupo,
                 SoInterrompidas ? TEstadoLancamento::Interrompida : TEstadoLancamento::Finalizada);
    R.Finalizados.emplace_back(Primeiro.Documento, Primeiro.DataFinaliza());
    const TLancamentoTEF Nomeado = ComNsuDaBiblioteca(Primeiro, R.Pendencias);
    R.Mensagens.append(
        Interrompida && !Confirma
            ? QStringLiteral("Transação TEF interrompida: não foi concluída e foi desfeita. Faça "
                             "a transação novamente.") +
                  Identificacao(Nomeado)
            : MensagemResolvida(Nomeado, Impressos));
    if (!Gravado) {
        // One state is held at a time: the rest waits for the journal.
        R.Mensagens.append(Livro.Falha());
    }
    return Gravado;
}

// Pending at the library and open nowhere in the journal (a journal lost,
// damaged or new): undone, unless the journal recorded a decision for it,
// which is sent again as it was. Recorded before the call, as any decision.
// Listed without its date, it cannot be named to the finish call: the
// cashier is told to settle it in the SiTef.
bool DesfazDesconhecida(TAmbienteTEF& Ambiente, const TPendenciaSiTef& Pendencia, TResolucao& R) {
    TLivroTransacoes& Livro = Ambiente.Livro;
    TLancamentoTEF Lancamento;
    Lancamento.Funcao = FuncaoSiTef::ConsultaPendencias;
    Lancamento.Documento = Pendencia.Documento;
    Lancamento.Data = Pendencia.Data;
    Lancamento.Hora = Pendencia.Hora;
    Lancamento.Autorizacao.NsuHost = Pendencia.NsuHost;
    if (Pendencia.Data.isEmpty()) {
        R.Mensagens.append(QStringLiteral("Transação TEF pendente no SiTef sem a data do "
                                          "documento: confira-a e resolva-a no SiTef.") +
                           Identificacao(Lancamento));
        return true;
    }
    std::optional<bool> Registrada;
    for (const TLancamentoTEF& Antigo : Livro.DoDocumento(Pendencia.Documento, Pendencia.Data)) {
        Lancamento.Valor = Antigo.Valor;
        if (Antigo.Confirma.has_value()) {
            Registrada = Antigo.Confirma;
        }
    }
    Lancamento.DataHoraTransacao = Pendencia.Data + Pendencia.Hora;
    Lancamento.Confirma = Registrada.value_or(false);
    Lancamento.Motivo = Registrada ? QStringLiteral("pendente no SiTef, decisão registrada enviada "
                                                    "de novo ao iniciar")
                                   : QStringLiteral("pendente no SiTef sem registro nesta "
                                                    "estação, desfeita ao iniciar");
    try {
        Livro.Inicia(Lancamento);
    } catch (const EErro& Erro) {
        R.Mensagens.append(Erro.Mensagem());
        return false;
    }
    if (!Livro.Registra(Lancamento, TEstadoLancamento::Decidida)) {
        R.Mensagens.append(QStringLiteral("Transação TEF pendente no SiTef (documento %1) não "
                                          "resolvida: %2")
                               .arg(Pendencia.Documento, Livro.Falha()));
        return false;
    }
    const bool Gravado = Finaliza(Ambiente, {&Lancamento});
    R.Finalizados.emplace_back(Pendencia.Documento, Pendencia.Data);
    R.Mensagens.append((*Lancamento.Confirma
                            ? QStringLiteral("Transação TEF pendente no SiTef confirmada, como "
                                             "registrado.")
                            : QStringLiteral("Transação TEF pendente no SiTef, sem registro nesta "
                                             "estação, foi desfeita. Confira no SiTef.")) +
                       Identificacao(Lancamento));
    return Gravado;
}

} // namespace

bool ConfirmaSemCupom(std::int32_t Funcao) {
    return Funcao == FuncaoSiTef::Cancelamento || Funcao == FuncaoSiTef::CancelamentoPix ||
           Funcao == FuncaoSiTef::Reimpressao || Funcao == FuncaoSiTef::ReimpressaoEscolhida ||
           Funcao == FuncaoSiTef::ReimpressaoUltimoCupom || Funcao == FuncaoSiTef::Administrativo;
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
    TPendenciasSiTef Pendencias(Ambiente.Biblioteca);
    QStringList Mensagens;
    TResolucao R{Pendencias, Mensagens, {}};
    for (const TGrupoLancamentos& Grupo : PorDocumento(Abertos)) {
        if (!ResolveDocumento(Ambiente, Grupo, R)) {
            return Mensagens;
        }
    }
    // What the journal had open was settled above, by the same rule that
    // names a listed payment: only what it did not know is left.
    for (const TPendenciaSiTef& Pendencia : Pendencias.Lista()) {
        const bool Conhecida =
            std::any_of(
                Abertos.begin(), Abertos.end(),
                [&](const auto& L) { return Pendencia.Nomeia(L.Documento, L.DataFinaliza()); }) ||
            std::any_of(R.Finalizados.begin(), R.Finalizados.end(),
                        [&](const auto& F) { return Pendencia.Nomeia(F.first, F.second); });
        if (!Conhecida && !DesfazDesconhecida(Ambiente, Pendencia, R)) {
            break;
        }
    }
    return Mensagens;
}

QStringList MensagensPendenciasAbertas(TLivroTransacoes& Livro) {
    QStringList Mensagens;
    for (const TLancamentoTEF& Lancamento : Livro.Abertos()) {
        Mensagens.append(QStringLiteral("Transação TEF pendente (documento %1) ainda não "
                                        "resolvida: será confirmada ou desfeita quando o TEF "
                                        "for iniciado.")
                             .arg(Lancamento.Documento));
    }
    return Mensagens;
}

TFimVenda ConcluiTransacao(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, const TGrupoLancamentos& Grupo,
                           const TRegistroTransacao& Registro, TNStringList& Comprovante) {
    TOperadorTEF& Operador = Ambiente.Operador;
    TLivroTransacoes& Livro = Ambiente.Livro;
    for (TLancamentoTEF* Lancamento : Grupo) {
        if (Lancamento->Estado == TEstadoLancamento::Iniciada &&
            !RegistraAprovacao(Ambiente, *Lancamento, Comprovante.Text(), Grupo)) {
            return TFimVenda::Desfeita;
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

bool RegistraAprovacao(TAmbienteTEF& Ambiente, TLancamentoTEF& Lancamento,
                       const QString& Comprovante, const TGrupoLancamentos& Desfazer) {
    Lancamento.Resultado = ResultadoSiTef::Ok;
    Lancamento.Comprovante = Comprovante;
    if (Ambiente.Livro.Registra(Lancamento, TEstadoLancamento::Aprovada)) {
        return true;
    }
    DesfazSemRegistro(Ambiente, Desfazer);
    return false;
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
