#include "BibliotecaRoteirizada.h"
#include "Erros.h"
#include "EstacaoRoteirizada.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "OperadorRoteirizado.h"
#include "PastaDeTrabalho.h"
#include "VendaTEF.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using Passo = TBibliotecaRoteirizada::Passo;

using namespace PassosRoteiro;

const QDateTime Inicio(QDate(2026, 12, 8), QTime(10, 15, 30));

class TesteVenda : public testing::Test {
protected:
    TPastaDeTrabalho Pasta;
    TLivroTransacoes Livro{TLivroTransacoes::NomePadrao};
    TBibliotecaRoteirizada Biblioteca;
    TOperadorRoteirizado Operador;
    TAmbienteTEF Ambiente{Biblioteca, Operador, Livro};
    TVendaTEF Venda{Ambiente};

    TesteVenda() {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        DM_CAIXA_VAREJO = TDM_CAIXA_VAREJO();
        Continua = 0;
    }

    std::int32_t Executa(std::initializer_list<Passo> Passos) {
        Biblioteca.Passos = Passos;
        return Venda.ExecutaVendaTEF(999, Currency::DeCentavos(1234), Inicio, Inicio);
    }
};

} // namespace

TEST_F(TesteVenda, AbreAFuncaoZeroComOsSeteArgumentos) {
    std::int32_t Mostrado = 0;
    Venda.AoSortearDocumento = [&](std::int32_t N) { Mostrado = N; };
    EXPECT_EQ(Executa({Fim(0)}), 0);
    ASSERT_EQ(Biblioteca.Inicios.size(), 1u);
    const auto& Inicio = Biblioteca.Inicios.front();
    EXPECT_EQ(Inicio.Funcao, 0);
    EXPECT_EQ(Inicio.Valor, QStringLiteral("        12,34"));
    EXPECT_EQ(Inicio.Cupom, QStringLiteral("1"));
    EXPECT_EQ(Inicio.Data, QStringLiteral("20261208"));
    EXPECT_EQ(Inicio.Hora, QStringLiteral("101530"));
    EXPECT_EQ(Inicio.Operador, QStringLiteral("999"));
    EXPECT_EQ(Inicio.Parametros, std::optional<QString>(QStringLiteral("[]")));
    EXPECT_EQ(Mostrado, 1);
    EXPECT_FALSE(Operador.FMenu.Presente);
    EXPECT_FALSE(Operador.FColeta.Presente);
}

TEST_F(TesteVenda, InicioRecusadoNaoCriaDialogoEGastaONumero) {
    Biblioteca.ResultadoInicio = -1;
    Operador.FMenu.Titulo = QStringLiteral("intocado");
    EXPECT_EQ(Executa({}), -1);
    EXPECT_TRUE(Biblioteca.Continuacoes.empty());
    EXPECT_EQ(Operador.Eventos, QStringList{QStringLiteral("fim aguarde")});
    EXPECT_EQ(Operador.FMenu.Titulo, QStringLiteral("intocado"));
    EXPECT_EQ(ProximaSequencia(), 2);
}

TEST_F(TesteVenda, MensagensEPausaDepoisDeAprovada) {
    Continua = 1; // left by an earlier loop: the sale starts at 0
    EXPECT_EQ(Executa({Comando(1, "  "), Comando(2, "Transa\xe7\xe3o aprovada"),
                       Comando(3, "Saldo: R$ 5"), Comando(1, "Cart\xe3o OK"),
                       Comando(1, "Transa\xe7\xe3o negada"), Comando(11), Fim(0)}),
              0);
    EXPECT_EQ(Operador.Conta(QStringLiteral("aguarde")), 4);
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("aguarde  Transação aprovada")));
    EXPECT_EQ(Operador.PausaTotal, 3 * 2000);
    EXPECT_EQ(Biblioteca.Entregue(0).first, 0);
}

TEST_F(TesteVenda, VoltarMantemContinuaUmAteOComandoQueOMuda) {
    Operador.FColeta.Respostas = {{QStringLiteral("999"), QString()}};
    Operador.Respostas = {2};
    EXPECT_EQ(Executa({Comando(30, "Cart\xe3o"), Comando(1, " "), Comando(22, "Aviso"),
                       Comando(20, "Confirma?"), Comando(1, "Processando"), Fim(0)}),
              0);
    EXPECT_EQ(Biblioteca.Entregue(1).first, 1);
    EXPECT_EQ(Biblioteca.Entregue(2).first, 1);
    EXPECT_EQ(Biblioteca.Entregue(3).first, 1);
    EXPECT_EQ(Biblioteca.Entregue(4), std::make_pair(1, QByteArray("0")));
    EXPECT_EQ(Biblioteca.Entregue(5).first, 0); // command 1 with a text sets it to 0
}

TEST_F(TesteVenda, PerguntaSimNaoCancelarEFechada) {
    Operador.Respostas = {3, 4, 1};
    EXPECT_EQ(Executa({Comando(20, "Um?"), Comando(20, "Dois?"), Comando(20, "Tres?"), Fim(-2)}),
              -2);
    EXPECT_EQ(Biblioteca.Entregue(1), std::make_pair(0, QByteArray("1")));
    EXPECT_EQ(Biblioteca.Entregue(2), std::make_pair(0, QByteArray("Dois?")));
    EXPECT_EQ(Biblioteca.Entregue(3), std::make_pair(-1, QByteArray("Tres?")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("pergunta Responda| Um?|3|2|4")));
}

TEST_F(TesteVenda, MenuTituloEEscolhas) {
    Operador.FMenu.Escolhas = {QStringLiteral("2"), QStringLiteral("999"), QStringLiteral("0")};
    DM_CAIXA_VAREJO.StatusTEF = -5;
    EXPECT_EQ(Executa({Comando(4, "Forma de pagamento"),
                       Comando(21, "1:Cr\xe9"
                                   "dito;2:D\xe9"
                                   "bito;"),
                       Comando(14), Comando(21, "1:A;"), Comando(21, "1:A;"), Fim(-2)}),
              -2);
    EXPECT_TRUE(
        Operador.Eventos.contains(QStringLiteral("menu  Forma de pagamento| 1:Crédito;2:Débito;")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("menu | 1:A;")));
    EXPECT_EQ(Biblioteca.Entregue(2), std::make_pair(0, QByteArray("2")));
    EXPECT_EQ(Biblioteca.Entregue(4), std::make_pair(1, QByteArray("999")));
    EXPECT_EQ(Biblioteca.Entregue(5), std::make_pair(-1, QByteArray("0")));
    EXPECT_EQ(DM_CAIXA_VAREJO.StatusTEF, 0);
}

TEST_F(TesteVenda, ColetasERespostas) {
    Operador.FColeta.Respostas = {{QString(), QStringLiteral("4111111111111111")},
                                  {QString(), QStringLiteral("0010010001")},
                                  {QString(), QStringLiteral("12,34")},
                                  {QStringLiteral("0"), QString()}};
    EXPECT_EQ(Executa({Comando(30, "Cart\xe3o", 512), Comando(31, "Cheque"), Campo(146),
                       Comando(34, "Valor"),
                       Comando(35, "C\xf3"
                                   "digo"),
                       Fim(-2)}),
              -2);
    EXPECT_EQ(Biblioteca.Entregue(1), std::make_pair(0, QByteArray("4111111111111111")));
    EXPECT_EQ(Biblioteca.Entregue(2), std::make_pair(0, QByteArray("10010010001")));
    EXPECT_EQ(Biblioteca.Entregue(4), std::make_pair(0, QByteArray("12,34")));
    // Abandoned: the continuation is -1 and the reply (the dialog's one
    // blank) is still written.
    EXPECT_EQ(Biblioteca.Entregue(5), std::make_pair(-1, QByteArray(" ")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Cartão|1|1|19")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Cheque|4|1|19")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Valor|2|1|19")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Código|1|1|19")));
    EXPECT_EQ(Operador.FColeta.Codigo, QString());
}

TEST_F(TesteVenda, ViasDataHoraEVisualizacao) {
    EXPECT_EQ(Executa({Campo(19), Comando(22, "Saldo dispon\xedvel: R$ 10"),
                       Comando(22, "Segundo aviso"), Campo(105, "20991231235959"),
                       Campo(122, "VIA LOJA"), Campo(121, "VIA CLIENTE"), Fim(0)}),
              0);
    EXPECT_EQ(Operador.Conta(QStringLiteral("visualiza")), 1);
    EXPECT_TRUE(
        Operador.Eventos.contains(QStringLiteral("visualiza | Saldo disponível: R$ 10\r\n")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("mensagem Atenção| Segundo aviso|0|0|4")));
    EXPECT_EQ(DM_CAIXA_VAREJO.DataHoraTransacao, QStringLiteral("20261208101530"));
    EXPECT_EQ(Venda.Str_Primeira_via.Itens(),
              (QStringList{QStringLiteral("cliente"), QString(48, u'-'), QStringLiteral("loja"),
                           QStringLiteral(" VIA LOJA"), QStringLiteral(" VIA CLIENTE")}));
    EXPECT_FALSE(Venda.SoVisualizar);
}

TEST_F(TesteVenda, ErroDeUmDialogoAindaLiberaTudo) {
    Operador.AoEvento = [](const QString& Evento) {
        if (Evento.startsWith(QStringLiteral("menu"))) {
            throw EErro(QStringLiteral("falha no menu"));
        }
    };
    Biblioteca.Passos = {Comando(1, "Aguarde"), Comando(21, "1:A;"), Fim(0)};
    EXPECT_THROW(Venda.ExecutaVendaTEF(999, Currency(), Inicio, Inicio), EErro);
    EXPECT_FALSE(Operador.FMenu.Presente);
    EXPECT_FALSE(Operador.FColeta.Presente);
    EXPECT_EQ(Operador.CaixasDeEsperaAbertas, 0);
}

TEST_F(TesteVenda, RespostaLongaDemaisECortada) {
    Operador.FColeta.Respostas = {{QString(), QString(40000, u'7')}};
    EXPECT_EQ(Executa({Comando(30, "Texto"), Fim(0)}), 0);
    EXPECT_EQ(Biblioteca.Entregue(1).second, QByteArray(30000, '7'));
}

// The sale concluded in the engine: printed, printed at the second attempt,
// undone when the operator declines the retry, viewed, a blank receipt,
// declined by the library.
TEST(ConclusaoDaVenda, ImprimeTentaDeNovoDesfazVisualizaOuRecusa) {
    const struct {
        const char* Nome;
        std::vector<Passo> Passos;
        std::vector<std::uint8_t> Respostas; // to "Tentar novamente?"
        TFimVenda Fim;
        int Dialogos;
        std::optional<std::int16_t> Confirma;
    } Casos[] = {
        {"impressa", {Campo(121, "VIA"), Fim(0)}, {}, TFimVenda::Confirmada, 1, 1},
        {"segunda tentativa", {Campo(121, "VIA"), Fim(0)}, {2}, TFimVenda::Confirmada, 2, 1},
        {"desfeita", {Campo(121, "VIA"), Fim(0)}, {3}, TFimVenda::Desfeita, 1, 0},
        {"visualizada", {Campo(19), Fim(0)}, {}, TFimVenda::Visualizada, 0, {}},
        {"em branco", {Campo(121, "  "), Fim(0)}, {}, TFimVenda::Confirmada, 0, 1},
        {"recusada", {Comando(22, "Negada"), Fim(5)}, {}, TFimVenda::NaoAprovada, 0, {}},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Nome);
        TEstacaoRoteirizada E;
        E.Interface.ImprimeEmArquivo(E.Pasta.Caminho(QStringLiteral("recibo.prn")));
        // The print dialog is cancelled until the operator is asked to retry.
        E.Interface.Confirma = Caso.Respostas.empty();
        E.Operador.AoEvento = [&E](const QString& Evento) {
            if (Evento.contains(QStringLiteral("Tentar novamente?"))) {
                E.Interface.Confirma = true;
            }
        };
        E.Operador.Respostas.assign(Caso.Respostas.begin(), Caso.Respostas.end());
        E.Biblioteca.Passos.assign(Caso.Passos.begin(), Caso.Passos.end());
        TVendaTEF Venda(E.Ambiente);
        EXPECT_EQ(Venda.Vende(E.Modulo, 999, Currency::DeCentavos(1234), Inicio), Caso.Fim);
        EXPECT_EQ(E.Interface.Eventos.filter(QStringLiteral("dialogo")).size(), Caso.Dialogos);
        ASSERT_EQ(E.Biblioteca.Finalizacoes.size(), Caso.Confirma ? 1u : 0u);
        if (Caso.Confirma) {
            const auto& Final = E.Biblioteca.Finalizacoes.front();
            EXPECT_EQ(Final.Confirma, *Caso.Confirma);
            // The sale's own number and moment, also without field type 105.
            EXPECT_EQ(Final.Cupom, QStringLiteral("1"));
            EXPECT_EQ(Final.Data + Final.Hora, QStringLiteral("20261208101530"));
            EXPECT_TRUE(QFile::exists(ArquivoCupom));
        }
        EXPECT_TRUE(E.Livro.Abertos().empty());
    }
}

// A start refused for want of a link: the cashier reads why, titled
// "Atenção" as every notice of the library's results.
TEST(ConclusaoDaVenda, SemComunicacaoAvisadaSobAtencao) {
    TEstacaoRoteirizada E;
    E.Biblioteca.ResultadoInicio = -5;
    TVendaTEF Venda(E.Ambiente);
    EXPECT_EQ(Venda.Vende(E.Modulo, 999, Currency::DeCentavos(990), Inicio),
              TFimVenda::NaoAprovada);
    EXPECT_EQ(E.Operador.Eventos.last(),
              QStringLiteral("mensagem Atenção|Sem comunicação com o Sitef.|0|0|4"));
}
