#include "VendaEmPartes.h"

#include "CodigosDialogo.h"
#include "Erros.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "PassosTEF.h"

#include <QLocale>

#include <algorithm>

using namespace CodigosDialogo;

namespace {

QString Reais(Currency Valor) {
    return QStringLiteral("R$ ") + Valor.Formata(0, 2, QLocale().decimalPoint().front());
}

} // namespace

QString ValoresAprovados(const std::vector<TParteVenda>& Partes) {
    QStringList Valores;
    for (const TParteVenda& Parte : Partes) {
        if (Parte.Aprovada()) {
            Valores.append(Reais(Parte.Valor));
        }
    }
    return Valores.join(QStringLiteral("; "));
}

TVendaEmPartes::TVendaEmPartes(TAmbienteTEF& Ambiente, TDM_TEF& Modulo, Currency Total,
                               const QDateTime& Momento, bool QRCodeNaTela, int MaximoPartes)
    : FAmbiente(Ambiente), FModulo(Modulo), FTotal(Total), FMomento(Momento), FVenda(Ambiente),
      FMaximoPartes(MaximoPartes) {
    FVenda.QRCodeNaTela = QRCodeNaTela;
    if (Total.Bruto() <= 0) {
        throw EErro(QStringLiteral("Digite o valor total da venda antes de dividi-la."));
    }
    MarcaMomentoDaVenda(Momento);
}

Currency TVendaEmPartes::Pago() const {
    std::int64_t Soma = 0;
    for (const TParteVenda& Parte : FPartes) {
        Soma += Parte.Aprovada() ? Parte.Valor.Bruto() : 0;
    }
    return Currency::DeBruto(Soma);
}

Currency TVendaEmPartes::Restante() const {
    return Currency::DeBruto(FTotal.Bruto() - Pago().Bruto());
}

bool TVendaEmPartes::UltimaParte() const {
    const auto Aprovadas =
        std::count_if(FPartes.begin(), FPartes.end(), [](const auto& P) { return P.Aprovada(); });
    return Aprovadas + 1 >= FMaximoPartes;
}

TGrupoLancamentos TVendaEmPartes::Aprovadas() {
    TGrupoLancamentos Grupo;
    for (TParteVenda& Parte : FPartes) {
        if (Parte.Aprovada()) {
            Grupo.push_back(&Parte.Lancamento);
        }
    }
    return Grupo;
}

void TVendaEmPartes::DesfazPorFalhaDoLivro() {
    DesfazPartes(FAmbiente, Aprovadas(), QStringLiteral("registro de transações sem gravação"));
    FPartes.clear();
    FFim = TFimVenda::Desfeita;
}

std::int32_t TVendaEmPartes::PagaParte(Currency Valor) {
    if (Valor.Bruto() <= 0 || Valor.Bruto() > Restante().Bruto()) {
        throw EErro(QStringLiteral("O valor da parte deve ser maior que zero e no máximo o que "
                                   "resta da venda, %1.")
                        .arg(Reais(Restante())));
    }
    if (UltimaParte() && Valor != Restante()) {
        throw EErro(QStringLiteral("Esta é a última parte que a venda aceita (no máximo %1): ela "
                                   "paga todo o restante, %2.")
                        .arg(FMaximoPartes)
                        .arg(Reais(Restante())));
    }
    const QDateTime Dia = DiaDaVenda(FMomento);
    std::int32_t Resultado = 0;
    try {
        Resultado = Documento() == 0
                        ? FVenda.ExecutaVendaTEF(OperadorCaixa, Valor, Dia, FMomento)
                        : FVenda.ExecutaParte(Documento(), OperadorCaixa, Valor, Dia, FMomento);
    } catch (const EErroGravacao& Erro) {
        // The journal refused this part's start: the parts approved before it
        // must not stay open with a sale the station can no longer finish.
        DesfazPorFalhaDoLivro();
        throw EErroGravacao(Erro.Mensagem() + QStringLiteral(" A venda foi desfeita."));
    }
    FPartes.push_back({Valor, Resultado, FVenda.Lancamento, FVenda.Str_Primeira_via});
    TParteVenda& Parte = FPartes.back();
    if (!Parte.Aprovada()) {
        AvisaResultado(FAmbiente.Operador, Resultado);
        return Resultado;
    }
    // Approved now, printed with the others: the journal keeps it open.
    Parte.Lancamento.DataHoraTransacao = FormataDataHoraTEF(FMomento);
    if (!RegistraAprovacao(FAmbiente, Parte.Lancamento, Parte.Comprovante.Text(), Aprovadas())) {
        FPartes.clear();
        FFim = TFimVenda::Desfeita;
        return Resultado;
    }
    DM_CAIXA_VAREJO.StatusTEF = 0;
    if (Restante() == Currency()) {
        FFim = Conclui();
    }
    return Resultado;
}

TFimVenda TVendaEmPartes::Conclui() {
    TNStringList Comprovantes;
    for (const TParteVenda& Parte : FPartes) {
        if (Parte.Aprovada()) {
            for (const QString& Linha : Parte.Comprovante.Itens()) {
                Comprovantes.Add(Linha);
            }
        }
    }
    return ConcluiTransacao(FAmbiente, FModulo, Aprovadas(), {ArquivoCupom, Comprovantes},
                            Comprovantes);
}

TFimVenda TVendaEmPartes::Desiste() {
    const TGrupoLancamentos Grupo = Aprovadas();
    if (Grupo.empty()) {
        FFim = TFimVenda::NaoAprovada;
        return *FFim;
    }
    DesfazPartes(FAmbiente, Grupo, QStringLiteral("venda em partes abandonada pelo operador"));
    FAmbiente.Operador.MsgDisplay(
        MensagemNaoEfetuada + QStringLiteral("\nPartes desfeitas: ") + ValoresAprovados(FPartes),
        QStringLiteral("Atenção"), BotoesOk, IconeInformacao, BotaoPadraoAutomatico);
    FFim = TFimVenda::Desfeita;
    return *FFim;
}

QString ResumoDasPartes(const TVendaEmPartes& Venda) {
    QStringList Linhas{QStringLiteral("Total %1").arg(Reais(Venda.Total()))};
    int Numero = 0;
    for (const TParteVenda& Parte : Venda.Partes()) {
        const QString Desfecho = Parte.Aprovada() ? QStringLiteral("aprovada")
                                 : Parte.Resultado == -2
                                     ? QStringLiteral("cancelada pelo operador")
                                     : QStringLiteral("recusada (código %1)").arg(Parte.Resultado);
        Linhas.append(
            QStringLiteral("Parte %1: %2 %3").arg(++Numero).arg(Reais(Parte.Valor), Desfecho));
    }
    Linhas.append(
        QStringLiteral("Pago %1 - Resta %2").arg(Reais(Venda.Pago()), Reais(Venda.Restante())));
    if (Venda.UltimaParte()) {
        Linhas.append(QStringLiteral("Última parte (máximo de %1): pague o restante.")
                          .arg(Venda.MaximoPartes()));
    }
    return Linhas.join(u'\n');
}
