#include "MovimentoTEF.h"

#include "FuncoesSiTef.h"
#include "NomesSiTef.h"

#include <QHash>
#include <QSet>

namespace {

// The amount of a journal row: the start call's text ("%13.2f" with the
// regional decimal separator of its day), or the one typed during the
// dialogue when the start call carried none.
Currency LeValor(const QString& Texto) {
    const QString Aparado = Texto.trimmed();
    const bool Virgula = Aparado.contains(u',');
    return Currency::DeTexto(Aparado, Virgula ? u',' : u'.', Virgula ? u'.' : u',')
        .value_or(Currency());
}

Currency ValorDoLancamento(const TLancamentoTEF& L) {
    const Currency Inicio = LeValor(L.Valor);
    return Inicio == Currency() ? LeValor(L.ValorInformado) : Inicio;
}

Currency Soma(Currency A, Currency B) {
    return Currency::DeBruto(A.Bruto() + B.Bruto());
}

void Acrescenta(TTotalMovimento& Total, Currency Valor) {
    ++Total.Quantidade;
    Total.Soma = Soma(Total.Soma, Valor);
}

bool Confirmada(const TLancamentoTEF& L) {
    return L.Estado == TEstadoLancamento::Finalizada && L.Confirma.value_or(false);
}

QString HoraLegivel(const QString& Hora) {
    return Hora.size() == 6
               ? QStringLiteral("%1:%2:%3").arg(Hora.left(2), Hora.mid(2, 2), Hora.mid(4, 2))
               : Hora;
}

// What the library sends (brand, network, NSU) is data, never a formula: a
// cell a spreadsheet would evaluate gets the usual apostrophe before it.
QByteArray CampoCsv(const QString& Texto) {
    QByteArray Bytes = Texto.toUtf8();
    if (!Bytes.isEmpty() && QByteArray("=+-@\t\r").contains(Bytes.front())) {
        Bytes.prepend('\'');
    }
    if (Bytes.contains(';') || Bytes.contains('"') || Bytes.contains('\r') ||
        Bytes.contains('\n')) {
        Bytes.replace("\"", "\"\"");
        Bytes = '"' + Bytes + '"';
    }
    return Bytes;
}

QByteArray LinhaCsv(const QStringList& Campos) {
    QByteArrayList Bytes;
    for (const QString& Campo : Campos) {
        Bytes.append(CampoCsv(Campo));
    }
    return Bytes.join(';') + "\r\n";
}

} // namespace

QString NomeDaFuncao(std::int32_t Funcao) {
    switch (Funcao) {
    case FuncaoSiTef::Venda:
        return QStringLiteral("Venda");
    case FuncaoSiTef::Cancelamento:
        return QStringLiteral("Cancelamento");
    case FuncaoSiTef::CancelamentoPix:
        return QStringLiteral("Cancelamento PIX");
    case FuncaoSiTef::Reimpressao:
        return QStringLiteral("Reimpressão");
    case FuncaoSiTef::ReimpressaoEscolhida:
        return QStringLiteral("Reimpressão de cupom específico");
    case FuncaoSiTef::ReimpressaoUltimoCupom:
        return QStringLiteral("Reimpressão do último cupom");
    case FuncaoSiTef::PreAutorizacao:
        return QStringLiteral("Pré-autorização");
    case FuncaoSiTef::CapturaPreAutorizacao:
        return QStringLiteral("Captura");
    case FuncaoSiTef::Administrativo:
        return QStringLiteral("Administrativa");
    case FuncaoSiTef::ConsultaPendencias:
        // A payment the library held pending that the journal did not know.
        return QStringLiteral("Pendente no SiTef");
    default:
        return QStringLiteral("Função %1").arg(Funcao);
    }
}

QString SituacaoDoLancamento(const TLancamentoTEF& L) {
    switch (L.Estado) {
    case TEstadoLancamento::Finalizada:
        return Confirmada(L) ? QStringLiteral("confirmada") : QStringLiteral("desfeita");
    case TEstadoLancamento::Recusada:
        return QStringLiteral("recusada (código %1)").arg(L.Resultado.value_or(0));
    case TEstadoLancamento::Abandonada:
        return QStringLiteral("cancelada pelo operador");
    case TEstadoLancamento::SemConfirmacao:
        // Approved with nothing to confirm: viewed, or no receipt.
        return QStringLiteral("concluída");
    case TEstadoLancamento::Interrompida:
        // The station stopped during the dialogue: nothing was approved.
        return QStringLiteral("interrompida");
    case TEstadoLancamento::ConcluidaNaBiblioteca:
        return QStringLiteral("concluída no SiTef (confira)");
    default:
        return QStringLiteral("pendente");
    }
}

QString MotivoSemCopia(const TLancamentoTEF& L) {
    switch (L.Estado) {
    case TEstadoLancamento::Finalizada:
        return Confirmada(L) ? QString()
                             : QStringLiteral("a transação foi desfeita e o cupom não tem valor");
    case TEstadoLancamento::SemConfirmacao:
        return QString();
    case TEstadoLancamento::ConcluidaNaBiblioteca:
        return QStringLiteral("o resultado da transação deve ser conferido no SiTef");
    case TEstadoLancamento::Recusada:
    case TEstadoLancamento::Abandonada:
    case TEstadoLancamento::Interrompida:
        return QStringLiteral("a transação não foi aprovada e o cupom não tem valor");
    default:
        return QStringLiteral("a transação ainda não foi confirmada");
    }
}

QString TextoDoValor(Currency Valor) {
    return Valor.Formata(0, 2, u',');
}

namespace {

// The parts of a sale paid in parts share its document and moment.
QString ChaveDaVenda(const TLancamentoTEF& L) {
    return L.Documento + u' ' + L.Data + L.Hora;
}

} // namespace

// A sale's parts read "Venda (parte N)" under it, and the day's count of
// sales counts the sale once.
TMovimentoTEF::TMovimentoTEF(const std::vector<TResumoLancamento>& Lancamentos) {
    FLinhas.reserve(Lancamentos.size());
    QHash<QString, int> Partes;
    for (const TResumoLancamento& R : Lancamentos) {
        Partes[ChaveDaVenda(R.Lancamento)] += R.Lancamento.Funcao == FuncaoSiTef::Venda;
    }
    QHash<QString, int> Vistas;
    QSet<QString> Contadas;
    for (const TResumoLancamento& R : Lancamentos) {
        const TLancamentoTEF& L = R.Lancamento;
        const Currency Valor = ValorDoLancamento(L);
        const QString Venda = ChaveDaVenda(L);
        const bool EmPartes = L.Funcao == FuncaoSiTef::Venda && Partes.value(Venda) > 1;
        const int Parte = EmPartes ? ++Vistas[Venda] : 0;
        FLinhas.push_back(
            {L.Id, HoraLegivel(L.Hora), L.Documento,
             EmPartes ? QStringLiteral("Venda (parte %1)").arg(Parte) : NomeDaFuncao(L.Funcao),
             Valor, SituacaoDoLancamento(L), L.Autorizacao, R.ComComprovante, MotivoSemCopia(L)});
        if (!Confirmada(L)) {
            continue;
        }
        if (L.Funcao == FuncaoSiTef::Venda) {
            Acrescenta(FTotais.Vendas, Valor);
            if (Contadas.contains(Venda)) {
                --FTotais.Vendas.Quantidade; // another part of a sale already counted
            }
            Contadas.insert(Venda);
        } else if (L.Funcao == FuncaoSiTef::Cancelamento ||
                   L.Funcao == FuncaoSiTef::CancelamentoPix) {
            Acrescenta(FTotais.Cancelamentos, Valor);
        }
    }
    FTotais.Liquido =
        Currency::DeBruto(FTotais.Vendas.Soma.Bruto() - FTotais.Cancelamentos.Soma.Bruto());
}

namespace {

// The codes the CSV keeps beside their names (the window shows the names):
// after which column, under what title, read from the authorisation.
struct TCodigoNoCsv {
    int Coluna;
    const char* Titulo;
    QString TAutorizacaoTEF::*Codigo;
};
constexpr TCodigoNoCsv CodigosNoCsv[] = {
    {ColunaBandeiraMovimento, "Código da bandeira", &TAutorizacaoTEF::Bandeira},
    {ColunaBandeiraMovimento + 1, "Código da rede", &TAutorizacaoTEF::Rede}};

// Each column's text (Texto) followed, where the CSV keeps one, by its code's
// (TextoDoCodigo).
template <typename Texto, typename TextoDoCodigo>
QStringList LinhaComCodigos(Texto DaColuna, TextoDoCodigo DoCodigo) {
    QStringList Celulas;
    for (int Coluna = 0; Coluna < ColunasMovimento().size(); ++Coluna) {
        Celulas.append(DaColuna(Coluna));
        for (const TCodigoNoCsv& Codigo : CodigosNoCsv) {
            if (Codigo.Coluna == Coluna) {
                Celulas.append(DoCodigo(Codigo));
            }
        }
    }
    return Celulas;
}

} // namespace

QByteArray TMovimentoTEF::Csv() const {
    QByteArray Texto = LinhaCsv(
        LinhaComCodigos([](int Coluna) { return ColunasMovimento()[Coluna]; },
                        [](const TCodigoNoCsv& C) { return QString::fromUtf8(C.Titulo); }));
    for (const TLinhaMovimento& L : FLinhas) {
        Texto += LinhaCsv(
            LinhaComCodigos([&L](int Coluna) { return CelulaMovimento(L, Coluna); },
                            [&L](const TCodigoNoCsv& C) { return L.Autorizacao.*C.Codigo; }));
    }
    return Texto;
}

const QStringList& ColunasMovimento() {
    static const QStringList Colunas = {
        QStringLiteral("Hora"),  QStringLiteral("Documento"), QStringLiteral("Função"),
        QStringLiteral("Valor"), QStringLiteral("Situação"),  QStringLiteral("Bandeira"),
        QStringLiteral("Rede"),  QStringLiteral("NSU SiTef"), QStringLiteral("NSU Host")};
    return Colunas;
}

QString CelulaMovimento(const TLinhaMovimento& L, int Coluna) {
    switch (Coluna) {
    case 0:
        return L.Hora;
    case 1:
        return L.Documento;
    case 2:
        return L.Funcao;
    case ColunaValorMovimento:
        return TextoDoValor(L.Valor);
    case 4:
        return L.Situacao;
    case ColunaBandeiraMovimento:
        return NomeDaBandeira(L.Autorizacao.Bandeira);
    case ColunaBandeiraMovimento + 1:
        return NomeDaRede(L.Autorizacao.Rede);
    case 7:
        return L.Autorizacao.NsuSiTef;
    case 8:
        return L.Autorizacao.NsuHost;
    default:
        return QString();
    }
}
