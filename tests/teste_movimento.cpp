// The day's movement from the transaction journal: its lines, totals and
// CSV; what the dialogue tells of who authorised a transaction, recorded;
// the journal's retention and its older files; a receipt's copy.
#include "Erros.h"
#include "EstacaoRoteirizada.h"
#include "FuncoesSiTef.h"
#include "MovimentoTEF.h"
#include "NomesSiTef.h"
#include "VendaTEF.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

using namespace PassosRoteiro;
using Estado = TEstadoLancamento;

const QDate Dia(2026, 12, 8);

// A row of the journal started on Data at Hora and left in Fim.
TLancamentoTEF Lancamento(const QDate& Data, const QString& Hora, std::int32_t Funcao,
                          const QString& Valor, Estado Fim) {
    static int Documento = 0;
    TLancamentoTEF L;
    L.Funcao = Funcao;
    L.Documento = QString::number(++Documento);
    L.Valor = Valor;
    L.Data = Data.toString(QStringLiteral("yyyyMMdd"));
    L.Hora = Hora;
    L.Estado = Fim;
    return L;
}

void Grava(TLivroTransacoes& Livro, TLancamentoTEF L) {
    const Estado Fim = L.Estado;
    Livro.Inicia(L);
    if (Fim != Estado::Iniciada) {
        Livro.Registra(L, Fim);
    }
}

} // namespace

TEST(MovimentoTEF, ListaOsLancamentosDeUmDiaComSeusTotaisEOCsv) {
    TPastaDeTrabalho Pasta;
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    TLancamentoTEF Credito = Lancamento(Dia, "101530", 0, "       120,50", Estado::Finalizada);
    Credito.Confirma = true;
    Credito.Autorizacao = {"00005", "00001", "000123", "9876543210"};
    Credito.Comprovante = QStringLiteral("VIA CLIENTE\r\n");
    TLancamentoTEF Desfeita = Lancamento(Dia, "102000", 0, "        10,00", Estado::Finalizada);
    Desfeita.Confirma = false;
    TLancamentoTEF Recusada = Lancamento(Dia, "103000", 0, "        15,00", Estado::Recusada);
    Recusada.Resultado = 5;
    TLancamentoTEF Cancelamento =
        Lancamento(Dia, "110000", FuncaoSiTef::Cancelamento, "         0,00", Estado::Finalizada);
    Cancelamento.Confirma = true;
    Cancelamento.ValorInformado = QStringLiteral("20,25");
    TLancamentoTEF Reimpressao =
        Lancamento(Dia, "111500", FuncaoSiTef::Reimpressao, "         0,00", Estado::Finalizada);
    Reimpressao.Confirma = true;
    for (const TLancamentoTEF& L :
         {Credito, Desfeita, Recusada, Cancelamento, Reimpressao,
          Lancamento(Dia, "120000", 0, "         7,00", Estado::Abandonada),
          Lancamento(Dia, "121000", FuncaoSiTef::PreAutorizacao, "         0,00", Estado::Impressa),
          Lancamento(Dia.addDays(1), "090000", 0, "        99,00", Estado::Finalizada)}) {
        Grava(Livro, L);
    }

    const TMovimentoTEF Movimento(Livro.DoDia(Dia));

    QStringList Situacoes;
    for (const TLinhaMovimento& L : Movimento.Linhas()) {
        Situacoes.append(L.Funcao + u' ' + L.Situacao);
    }
    EXPECT_EQ(Situacoes,
              (QStringList{"Venda confirmada", "Venda desfeita", "Venda recusada (código 5)",
                           "Cancelamento confirmada", "Reimpressão confirmada",
                           "Venda cancelada pelo operador", "Pré-autorização pendente"}));
    // A copy is paper that reads as a payment: only of a confirmed one.
    QStringList Copias;
    for (const TLinhaMovimento& L : Movimento.Linhas()) {
        Copias.append(L.SemCopia.isEmpty() ? QStringLiteral("sim") : QStringLiteral("não"));
    }
    EXPECT_EQ(Copias, (QStringList{"sim", "não", "não", "sim", "sim", "não", "não"}));
    EXPECT_EQ(Movimento.Linhas().front().Autorizacao, Credito.Autorizacao);
    // The receipt's text is read when its copy is asked for.
    EXPECT_TRUE(Movimento.Linhas()[0].ComComprovante);
    EXPECT_FALSE(Movimento.Linhas()[1].ComComprovante);
    EXPECT_EQ(Livro.ComprovanteDe(Movimento.Linhas()[0].Id), Credito.Comprovante);
    EXPECT_THROW(Livro.ComprovanteDe(Movimento.Linhas().back().Id + 100), EErro);
    const TTotaisMovimento& Totais = Movimento.Totais();
    EXPECT_EQ(Totais.Vendas.Quantidade, 1);
    EXPECT_EQ(Totais.Vendas.Soma, Currency::DeCentavos(12050));
    EXPECT_EQ(Totais.Cancelamentos.Quantidade, 1);
    EXPECT_EQ(Totais.Cancelamentos.Soma, Currency::DeCentavos(2025));
    // A PIX cancellation takes its amount off the net as a card's does.
    TLancamentoTEF Pix = Cancelamento;
    Pix.Funcao = FuncaoSiTef::CancelamentoPix;
    EXPECT_EQ(TMovimentoTEF({{Pix}}).Totais().Liquido, Currency::DeCentavos(-2025));
    EXPECT_EQ(Totais.Liquido, Currency::DeCentavos(10025));
    EXPECT_EQ(
        Movimento.Csv(),
        QStringLiteral("Hora;Documento;Função;Valor;Situação;Bandeira;Código da bandeira;Rede;"
                       "Código da rede;NSU SiTef;NSU Host\r\n"
                       "10:15:30;%1;Venda;120,50;confirmada;Visa (crédito);00001;Redecard;00005;"
                       "000123;9876543210\r\n"
                       "10:20:00;%2;Venda;10,00;desfeita;;;;;;\r\n"
                       "10:30:00;%3;Venda;15,00;recusada (código 5);;;;;;\r\n"
                       "11:00:00;%4;Cancelamento;20,25;confirmada;;;;;;\r\n"
                       "11:15:00;%5;Reimpressão;0,00;confirmada;;;;;;\r\n"
                       "12:00:00;%6;Venda;7,00;cancelada pelo operador;;;;;;\r\n"
                       "12:10:00;%7;Pré-autorização;0,00;pendente;;;;;;\r\n")
            .arg(Credito.Documento, Desfeita.Documento, Recusada.Documento, Cancelamento.Documento,
                 Reimpressao.Documento, QString::number(Credito.Documento.toInt() + 5),
                 QString::number(Credito.Documento.toInt() + 6))
            .toUtf8());
}

// A library text becomes a plain cell: quoted where it holds the separator,
// quotes or a line break, and never a formula a spreadsheet would run.
TEST(MovimentoTEF, CampoDaBibliotecaViraCelulaSimples) {
    const struct {
        const char* Bandeira;
        const char* Celula;
    } Casos[] = {
        {"A;\"B\"", "\"A;\"\"B\"\"\""},
        {"=1+2", "'=1+2"},
        {"+55", "'+55"},
        {"-3", "'-3"},
        {"@SOMA(A1)", "'@SOMA(A1)"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\rx\""},
        {"VISA", "VISA"},
        {"0001", "0001"},
    };
    // The window names a code the library's tables know, and shows any other as it came.
    EXPECT_EQ(NomeDaBandeira(QStringLiteral("20001")), QStringLiteral("Maestro (débito)"));
    EXPECT_EQ(NomeDaRede(QStringLiteral("77777")), QStringLiteral("77777"));
    for (const auto& Caso : Casos) {
        TLancamentoTEF L = Lancamento(Dia, "101530", 0, "1,00", Estado::Recusada);
        L.Autorizacao.Bandeira = QString::fromUtf8(Caso.Bandeira);
        EXPECT_TRUE(TMovimentoTEF({{L}}).Csv().endsWith(QByteArray(";") + Caso.Celula + ";;;;\r\n"))
            << Caso.Bandeira;
    }
}

// What the library tells of the authorisation reaches the journal, in the
// sale and in a function; so does the amount typed for a cancellation.
TEST(MovimentoTEF, OsCamposDaAutorizacaoEOValorDigitadoVaoParaOLivro) {
    for (const bool EhVenda : {true, false}) {
        TEstacaoRoteirizada E;
        E.Interface.Confirma = false;
        E.Operador.Respostas = {3};
        E.Operador.FColeta.Respostas = {{QStringLiteral("1"), QStringLiteral("20,25")}};
        E.Biblioteca.Passos = {Comando(34, "Valor", 146), Campo(131, "00005"),
                               Campo(132, "00001"),       Campo(133, "000123"),
                               Campo(134, "9876543210"),  Fim(5)};
        if (EhVenda) {
            TVendaTEF Venda(E.Ambiente);
            Venda.Vende(E.Modulo, 999, Currency::DeCentavos(100), QDateTime(Dia, QTime(10, 0)));
        } else {
            E.Modulo.ExecutaFuncaoTEF(FuncaoSiTef::Cancelamento, 999, QString(), Currency(), false);
        }
        const std::vector<TLancamentoTEF> Todos = E.Livro.Todos();
        ASSERT_EQ(Todos.size(), 1u);
        EXPECT_EQ(Todos.front().Autorizacao,
                  (TAutorizacaoTEF{"00005", "00001", "000123", "9876543210"}));
        EXPECT_EQ(Todos.front().ValorInformado, QStringLiteral("20,25"));
    }
}

// Only what ended before the limit goes; an open transaction stays,
// whatever its age.
TEST(LivroTransacoes, RetencaoRemoveSoOEncerradoAnteriorAoLimite) {
    TPastaDeTrabalho Pasta;
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    const QDate Limite(2025, 11, 8);
    Grava(Livro, Lancamento(Limite.addDays(-1), "235959", 0, "1,00", Estado::Finalizada));
    Grava(Livro, Lancamento(Limite.addDays(-40), "100000", 0, "1,00", Estado::Recusada));
    Grava(Livro, Lancamento(Limite.addDays(-1), "100000", 0, "1,00", Estado::Impressa));
    Grava(Livro, Lancamento(Limite, "000000", 0, "1,00", Estado::Finalizada));
    EXPECT_EQ(Livro.DataMaisRecente(), std::optional<QDate>(Limite));
    // Batch by batch: the last one removes fewer than it may.
    EXPECT_EQ(Livro.RemoveAnteriores(Limite, 1), std::optional<int>(1));
    EXPECT_EQ(Livro.RemoveAnteriores(Limite, 2), std::optional<int>(1));
    EXPECT_EQ(Livro.RemoveAnteriores(Limite, 2), std::optional<int>(0));
    QStringList Ficaram;
    for (const TLancamentoTEF& L : Livro.Todos()) {
        Ficaram.append(L.Data + u' ' + SituacaoDoLancamento(L));
    }
    EXPECT_EQ(Ficaram, (QStringList{"20251107 pendente", "20251108 desfeita"}));
}

// The clock alone never decides what goes: a clock set years ahead removes
// nothing, one set back counts from itself.
TEST(LivroTransacoes, RetencaoContaDaDataMaisAntigaEntreHojeEOUltimoLancamento) {
    const QDate Hoje(2026, 12, 10);
    const struct {
        std::optional<QDate> MaisRecente;
        std::optional<QDate> Limite;
    } Casos[] = {
        {{}, Hoje.addMonths(-13)},
        {Hoje, Hoje.addMonths(-13)},
        {Hoje.addDays(-7), Hoje.addDays(-7).addMonths(-13)},
        {Hoje.addDays(-8), {}},
        {Hoje.addYears(-10), {}},
        {Hoje.addYears(1), Hoje.addMonths(-13)},
    };
    for (const auto& Caso : Casos) {
        EXPECT_EQ(LimiteDeRetencao(Hoje, Caso.MaisRecente, 13), Caso.Limite);
    }
}

// A file written before the authorisation columns existed opens with its
// rows, which read those columns empty, and knows which have a receipt; it
// is brought up to date once.
TEST(LivroTransacoes, UmArquivoAntigoContinuaLegivel) {
    TPastaDeTrabalho Pasta;
    {
        QSqlDatabase Banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "antigo");
        Banco.setDatabaseName(TLivroTransacoes::NomePadrao);
        ASSERT_TRUE(Banco.open());
        QSqlQuery Consulta(Banco);
        ASSERT_TRUE(Consulta.exec(
            "CREATE TABLE lancamentos (id INTEGER PRIMARY KEY AUTOINCREMENT, funcao INTEGER NOT "
            "NULL, documento TEXT NOT NULL, valor TEXT, data TEXT, hora TEXT, operador TEXT, "
            "restricoes TEXT, estado TEXT NOT NULL, resultado INTEGER, comprovante TEXT, "
            "dados_transacao TEXT, data_hora_transacao TEXT, impresso INTEGER NOT NULL DEFAULT "
            "0, confirma INTEGER, motivo TEXT, iniciada_em TEXT, aprovada_em TEXT, imprimindo_em "
            "TEXT, impressao_em TEXT, decidida_em TEXT, encerrada_em TEXT, finaliza_chamada_em "
            "TEXT)"));
        ASSERT_TRUE(Consulta.exec("INSERT INTO lancamentos (funcao, documento, data, estado, "
                                  "confirma) VALUES (0, '41', '20261208', 'finalizada', 1)"));
        ASSERT_TRUE(Consulta.exec("INSERT INTO lancamentos (funcao, documento, data, estado, "
                                  "comprovante) VALUES (0, '42', '20261208', 'finalizada', "
                                  "'VIA 42'), (0, '43', '20261208', 'recusada', ' \r\n')"));
        Consulta.finish();
        Banco.close();
    }
    QSqlDatabase::removeDatabase("antigo");
    for (int Abertura = 0; Abertura < 2; ++Abertura) {
        TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
        ASSERT_TRUE(Livro.Falha().isEmpty()) << qPrintable(Livro.Falha());
        const std::vector<TResumoLancamento> Lidos = Livro.DoDia(Dia);
        ASSERT_EQ(Lidos.size(), 3u);
        EXPECT_EQ(Lidos[0].Lancamento.Documento, QStringLiteral("41"));
        EXPECT_EQ(Lidos[0].Lancamento.Autorizacao, TAutorizacaoTEF());
        EXPECT_FALSE(Lidos[0].ComComprovante);
        EXPECT_TRUE(Lidos[1].ComComprovante);
        EXPECT_FALSE(Lidos[2].ComComprovante);
        EXPECT_EQ(Livro.ComprovanteDe(Lidos[1].Lancamento.Id), QStringLiteral("VIA 42"));
    }
}

// The copy prints the stored lines under its mark, through the receipt's
// report, and nothing else happens: no library call, no working file.
TEST(CopiaComprovante, ImprimeAsLinhasGuardadasSemChamarABiblioteca) {
    TEstacaoRoteirizada E;
    E.Interface.ImprimeEmArquivo(E.Pasta.Caminho(QStringLiteral("copia.prn")));
    EXPECT_EQ(E.Modulo.ImprimeCopia(QStringLiteral("VIA DO CLIENTE\r\nDOC: 41\nVALOR 1,00\r\n")),
              TResultadoImpressao::Enviado);
    const QByteArray Impresso = E.Pasta.Le(QStringLiteral("copia.prn"));
    const qsizetype Marca = Impresso.indexOf(MarcaCopia.toLatin1());
    ASSERT_GE(Marca, 0);
    EXPECT_LT(Marca, Impresso.indexOf("VIA DO CLIENTE"));
    EXPECT_LT(Impresso.indexOf("VIA DO CLIENTE"), Impresso.indexOf("DOC: 41"));
    EXPECT_LT(Impresso.indexOf("DOC: 41"), Impresso.indexOf("VALOR 1,00"));
    EXPECT_TRUE(E.Biblioteca.Inicios.empty());
    EXPECT_TRUE(E.Biblioteca.Continuacoes.empty());
    EXPECT_TRUE(E.Biblioteca.Finalizacoes.empty());
    EXPECT_EQ(E.Pasta.Arquivos(), QStringList{"copia.prn"});
}
