// A sale paid in parts: one document, the parts approved one by one,
// printed in order and confirmed together by one finish call, or undone
// together; a station that dies in between is resolved per document.
#include "DiscoCheio.h"
#include "Erros.h"
#include "EstacaoRoteirizada.h"
#include "MovimentoTEF.h"
#include "VendaEmPartes.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using namespace PassosRoteiro;
using Passo = TBibliotecaRoteirizada::Passo;

const QDateTime Momento(QDate(2026, 12, 9), QTime(10, 42, 7));

struct TEstacao : TEstacaoRoteirizada {
    TEstacao() { Interface.ImprimeEmArquivo(Pasta.Caminho(QStringLiteral("recibo.prn"))); }
    // Each part: its receipt and the library's final result.
    void Partes(std::initializer_list<std::pair<const char*, std::int32_t>> Partes) {
        for (const auto& [Via, Resultado] : Partes) {
            if (Resultado == 0) {
                Biblioteca.Passos.push_back(Campo(121, Via));
            }
            Biblioteca.Passos.push_back(Fim(Resultado));
        }
    }
};

Currency Reais(int Valor) {
    return Currency::DeCentavos(Valor * 100);
}

} // namespace

TEST(VendaEmPartes, PartesConfirmadasJuntasRecusadaRepetidaDesistenciaEValorAcimaDoRestante) {
    {
        SCOPED_TRACE("two parts, the second declined once and paid with another card");
        TEstacao E;
        E.Partes({{"VIA UM", 0}, {"", 5}, {"VIA DOIS", 0}});
        TVendaEmPartes Venda(E.Ambiente, E.Modulo, Reais(100), Momento, false);
        EXPECT_THROW(Venda.PagaParte(Reais(101)), EErro);
        EXPECT_TRUE(E.Biblioteca.Inicios.empty());
        EXPECT_EQ(Venda.PagaParte(Reais(60)), 0);
        EXPECT_EQ(Venda.PagaParte(Reais(40)), 5);
        EXPECT_EQ(Venda.Restante(), Reais(40));
        EXPECT_EQ(ResumoDasPartes(Venda),
                  QStringLiteral("Total R$ 100,00\nParte 1: R$ 60,00 aprovada\nParte 2: R$ "
                                 "40,00 recusada (código 5)\nPago R$ 60,00 - Resta R$ 40,00"));
        EXPECT_TRUE(E.Biblioteca.Finalizacoes.empty());
        EXPECT_FALSE(Venda.Fim());
        // The part that leaves nothing to pay concludes the sale.
        EXPECT_EQ(Venda.PagaParte(Reais(40)), 0);
        EXPECT_EQ(Venda.Restante(), Currency());
        EXPECT_EQ(Venda.Fim(), TFimVenda::Confirmada);
        // One document, one moment for every part; one finish call.
        ASSERT_EQ(E.Biblioteca.Inicios.size(), 3u);
        for (const auto& Inicio : E.Biblioteca.Inicios) {
            EXPECT_EQ(Inicio.Cupom, QStringLiteral("1"));
            EXPECT_EQ(Inicio.Data + Inicio.Hora, QStringLiteral("20261209104207"));
        }
        ASSERT_EQ(E.Biblioteca.Finalizacoes.size(), 1u);
        EXPECT_EQ(E.Biblioteca.Finalizacoes[0].Confirma, 1);
        // Both receipts in one print dialog, in the order they were approved.
        EXPECT_EQ(E.Interface.Eventos.filter(QStringLiteral("dialogo")).size(), 1);
        const QByteArray Impresso = E.Pasta.Le(QStringLiteral("recibo.prn"));
        EXPECT_LT(Impresso.indexOf("VIA UM"), Impresso.indexOf("VIA DOIS"));
        EXPECT_GE(Impresso.indexOf("VIA UM"), 0);
        EXPECT_TRUE(E.Livro.Abertos().empty());
        // Every part its own row under the sale's document: two confirmed,
        // the declined one ended as declined.
        QStringList Linhas;
        for (const TLancamentoTEF& L : E.Livro.Todos()) {
            Linhas.append(L.Documento + u' ' + L.Valor.trimmed() + u' ' +
                          QString::number(static_cast<int>(L.Estado)));
        }
        EXPECT_EQ(Linhas, (QStringList{QStringLiteral("1 60,00 6"), QStringLiteral("1 40,00 7"),
                                       QStringLiteral("1 40,00 6")}));
        // The movement lists them under their sale and counts the sale once.
        const TMovimentoTEF Movimento(E.Livro.DoDia(Momento.date()));
        QStringList Funcoes;
        std::vector<bool> ComComprovante;
        for (const TLinhaMovimento& Linha : Movimento.Linhas()) {
            Funcoes.append(Linha.Funcao);
            ComComprovante.push_back(Linha.ComComprovante);
        }
        // The receipts came after each part was started.
        EXPECT_EQ(ComComprovante, (std::vector<bool>{true, false, true}));
        EXPECT_EQ(Funcoes,
                  (QStringList{QStringLiteral("Venda (parte 1)"), QStringLiteral("Venda (parte 2)"),
                               QStringLiteral("Venda (parte 3)")}));
        EXPECT_EQ(Movimento.Totais().Vendas.Quantidade, 1);
        EXPECT_EQ(Movimento.Totais().Vendas.Soma, Reais(100));
    }
    {
        SCOPED_TRACE("the journal refuses the second approval: the whole sale is undone");
        TEstacao E;
        E.Partes({{"VIA UM", 0}, {"VIA DOIS", 0}});
        TVendaEmPartes Venda(E.Ambiente, E.Modulo, Reais(100), Momento, false);
        EXPECT_EQ(Venda.PagaParte(Reais(60)), 0);
        TLivroTransacoes::DefineGanchoAntesDeGravar(
            [](TEstadoLancamento Estado) { EncheDisco(Estado == TEstadoLancamento::Aprovada); });
        EXPECT_EQ(Venda.PagaParte(Reais(40)), 0);
        TLivroTransacoes::DefineGanchoAntesDeGravar({});
        EncheDisco(false);
        EXPECT_EQ(Venda.Fim(), TFimVenda::Desfeita);
        ASSERT_EQ(E.Biblioteca.Finalizacoes.size(), 1u);
        EXPECT_EQ(E.Biblioteca.Finalizacoes[0].Confirma, 0);
        EXPECT_EQ(E.Operador.Conta(QStringLiteral("mensagem Atenção|Transação TEF desfeita, nada "
                                                  "foi impresso (documento 1)")),
                  1);
        EXPECT_TRUE(E.Interface.Eventos.isEmpty());
    }
    {
        SCOPED_TRACE("a limit of two parts: the second pays the whole remainder");
        TEstacao E;
        E.Partes({{"VIA UM", 0}, {"VIA DOIS", 0}});
        TVendaEmPartes Venda(E.Ambiente, E.Modulo, Reais(100), Momento, false, 2);
        EXPECT_EQ(Venda.PagaParte(Reais(60)), 0);
        EXPECT_TRUE(ResumoDasPartes(Venda).endsWith(
            QStringLiteral("Última parte (máximo de 2): pague o restante.")));
        EXPECT_THROW(Venda.PagaParte(Reais(20)), EErro);
        EXPECT_EQ(E.Biblioteca.Inicios.size(), 1u);
        EXPECT_EQ(Venda.PagaParte(Reais(40)), 0);
        EXPECT_EQ(Venda.Fim(), TFimVenda::Confirmada);
    }
    {
        SCOPED_TRACE("given up after the first part");
        TEstacao E;
        E.Partes({{"VIA UM", 0}});
        TVendaEmPartes Venda(E.Ambiente, E.Modulo, Reais(100), Momento, false);
        EXPECT_EQ(Venda.PagaParte(Reais(60)), 0);
        EXPECT_EQ(Venda.Desiste(), TFimVenda::Desfeita);
        ASSERT_EQ(E.Biblioteca.Finalizacoes.size(), 1u);
        EXPECT_EQ(E.Biblioteca.Finalizacoes[0].Confirma, 0);
        EXPECT_EQ(E.Operador.Eventos.last(),
                  QStringLiteral("mensagem Atenção|") + MensagemNaoEfetuada +
                      QStringLiteral("\nPartes desfeitas: R$ 60,00|0|0|4"));
        EXPECT_TRUE(E.Interface.Eventos.isEmpty());
    }
}

// The station dies after the first part's approval (at the second part's
// start), or once every receipt printed (before the decision): the next
// start undoes, or confirms, the whole document with one finish call.
TEST(VendaEmPartes, MorteEntrePartesOuAposImprimirResolvidaPorDocumento) {
    const struct {
        TEstadoLancamento MorreAntesDe;
        int Vez; // the how-manieth write of that state
        std::int16_t Decisao;
    } Casos[] = {{TEstadoLancamento::Iniciada, 2, 0}, {TEstadoLancamento::Decidida, 1, 1}};
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(static_cast<int>(Caso.MorreAntesDe));
        TEstacao E;
        E.Partes({{"VIA UM", 0}, {"VIA DOIS", 0}});
        const auto Anterior = [&] {
            int Vezes = 0;
            TLivroTransacoes::DefineGanchoAntesDeGravar([&](TEstadoLancamento Estado) {
                if (Estado == Caso.MorreAntesDe && ++Vezes == Caso.Vez) {
                    ::_exit(9);
                }
            });
            TVendaEmPartes Venda(E.Ambiente, E.Modulo, Reais(100), Momento, false);
            Venda.PagaParte(Reais(60));
            Venda.PagaParte(Reais(40));
            ::_exit(0);
        };
        EXPECT_EXIT(Anterior(), testing::ExitedWithCode(9), "");
        ResolvePendencias(E.Ambiente);
        ASSERT_EQ(E.Biblioteca.Finalizacoes.size(), 1u);
        EXPECT_EQ(E.Biblioteca.Finalizacoes[0].Confirma, Caso.Decisao);
        EXPECT_EQ(E.Biblioteca.Finalizacoes[0].Cupom, QStringLiteral("1"));
        EXPECT_TRUE(E.Livro.Abertos().empty());
    }
}
