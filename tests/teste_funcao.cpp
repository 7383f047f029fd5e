// The administrative-function loop against a scripted library and operator:
// commands, field types, the end handling, printing to a file and the
// per-function confirmation rule.
#include "CicloTransacao.h"
#include "Erros.h"
#include "EstacaoRoteirizada.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FuncoesSiTef.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using Passo = TBibliotecaRoteirizada::Passo;

using namespace PassosRoteiro;

const QString Sim = QStringLiteral("2"), Voltar = QStringLiteral("999"),
              Abandono = QStringLiteral("0");

class TesteFuncao : public testing::Test, protected TEstacaoRoteirizada {
protected:
    TesteFuncao() { Interface.ImprimeEmArquivo(Pasta.Caminho(QStringLiteral("recibo.prn"))); }

    bool Executa(std::initializer_list<Passo> Passos,
                 std::int32_t Funcao = FuncaoSiTef::Cancelamento) {
        Biblioteca.Passos = Passos;
        return Modulo.ExecutaFuncaoTEF(Funcao, 999, QString(), Currency(), false);
    }
};

} // namespace

TEST_F(TesteFuncao, AbreAFuncaoComValorZeroENumeroNovo) {
    EXPECT_TRUE(Executa({Fim(0)}, FuncaoSiTef::Reimpressao));
    ASSERT_EQ(Biblioteca.Inicios.size(), 1u);
    const auto& Inicio = Biblioteca.Inicios.front();
    EXPECT_EQ(Inicio.Funcao, 112);
    EXPECT_EQ(Inicio.Valor, QStringLiteral("         0,00"));
    EXPECT_EQ(Inicio.Cupom, QStringLiteral("1"));
    EXPECT_EQ(Inicio.Operador, QStringLiteral("999"));
    EXPECT_EQ(Inicio.Parametros, std::optional<QString>(QString()));
    // The function's own moment, kept for the confirmation from the start.
    EXPECT_EQ(DM_CAIXA_VAREJO.DataHoraTransacao, Inicio.Data + Inicio.Hora);
    EXPECT_EQ(Modulo.StrDadosTransacaoTEf.Itens(), QStringList{QStringLiteral("1")});
    // Approved without a receipt: nothing printed, nothing confirmed.
    EXPECT_TRUE(Biblioteca.Finalizacoes.empty());
    EXPECT_TRUE(Interface.Eventos.isEmpty());
}

TEST_F(TesteFuncao, MensagensPerguntasEMenus) {
    Operador.FMenu.Escolhas = {Voltar, Abandono};
    Operador.Respostas = {3, 4};
    EXPECT_FALSE(
        Executa({Comando(21, "1:A;2:B;"), Comando(1, "   "), Comando(20, "Confirma?"),
                 Comando(20, "De novo?"), Comando(2, "Processando"), Comando(21, "1:A;"), Fim(5)}));
    EXPECT_EQ(Biblioteca.Entregue(1), std::make_pair(1, QByteArray("999")));
    // A blank message opens no wait box but sets Continua to 0.
    EXPECT_EQ(Biblioteca.Entregue(2).first, 0);
    EXPECT_EQ(Operador.Conta(QStringLiteral("aguarde")), 1);
    // Only "&Sim" and "&Não"; "&Não" replies "1", anything else "0".
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("pergunta Responda| Confirma?|2|2|4")));
    EXPECT_EQ(Biblioteca.Entregue(3), std::make_pair(0, QByteArray("1")));
    EXPECT_EQ(Biblioteca.Entregue(4), std::make_pair(0, QByteArray("0")));
    // Window messages are processed after a wait box only, with no pause.
    EXPECT_EQ(Operador.Eventos.filter(QStringLiteral("processa")).size(), 1);
    EXPECT_EQ(Operador.PausaTotal, 0);
    EXPECT_EQ(Biblioteca.Entregue(6), std::make_pair(-1, QByteArray("0")));
}

TEST_F(TesteFuncao, ColetaAbandonadaDeixaOTextoDaBibliotecaEContinuaMenosUm) {
    Operador.FColeta.Respostas = {{Abandono, QString()}};
    EXPECT_THROW(Executa({Comando(30, "Senha do supervisor", 500), Comando(4, "T\xedtulo"),
                          Comando(22, "Aviso"), Fim(-2)}),
                 EAbortoSilencioso);
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Senha do supervisor|5|1|19")));
    EXPECT_EQ(Biblioteca.Entregue(1), std::make_pair(-1, QByteArray("Senha do supervisor")));
    EXPECT_EQ(Biblioteca.Entregue(2).first, -1);
    EXPECT_EQ(Biblioteca.Entregue(3).first, -1);
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("mensagem Atenção| Aviso|0|0|4")));
    EXPECT_TRUE(Operador.Eventos.contains(
        QStringLiteral("mensagem Atenção|Operação cancelada pelo operador.|0|1|4")));
}

TEST_F(TesteFuncao, ColetasRespondemComContinuaEValorLiberaAExigencia) {
    Operador.FColeta.Respostas = {{QString(), QStringLiteral("0010010001")},
                                  {Voltar, QStringLiteral("ABC")},
                                  {QString(), QStringLiteral("12,34")},
                                  {QString(), QStringLiteral("texto")}};
    EXPECT_FALSE(Executa({Comando(31, "Cheque"),
                          Comando(35, "C\xf3"
                                      "digo"),
                          Campo(146), Comando(34, "Valor"), Comando(30, "Nome", 515), Fim(5)}));
    EXPECT_EQ(Biblioteca.Entregue(1), std::make_pair(0, QByteArray("0:0010010001")));
    EXPECT_EQ(Biblioteca.Entregue(2), std::make_pair(1, QByteArray("1:ABC")));
    EXPECT_EQ(Biblioteca.Entregue(4), std::make_pair(0, QByteArray("12,34")));
    EXPECT_EQ(Biblioteca.Entregue(5), std::make_pair(0, QByteArray("texto")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Cheque|4|1|19")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Valor|2|1|19")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Nome|1|1|19")));
    // The amount collected, zero is accepted again; the exit code stays.
    EXPECT_FALSE(Operador.FColeta.Exige);
    EXPECT_EQ(Operador.FColeta.Codigo, QString());
}

TEST_F(TesteFuncao, EsperaPerguntaNaQuadragesimaSetimaEDepoisACada46) {
    std::deque<Passo> Passos(46, Comando(23));
    Passos.push_back(Comando(23)); // 47th: asked, answered "&Não"
    Passos.insert(Passos.end(), 45, Comando(23));
    Passos.push_back(Comando(30, "Dado")); // the counter starts again
    Passos.insert(Passos.end(), 46, Comando(23));
    Passos.push_back(Comando(23)); // asked, answered "&Sim"
    Passos.push_back(Fim(-2));
    Biblioteca.Passos = Passos;
    Operador.Respostas = {3, 2};
    Operador.FColeta.Respostas = {{QString(), QStringLiteral("x")}};
    EXPECT_THROW(Modulo.ExecutaFuncaoTEF(110, 999, QString(), Currency(), false),
                 EAbortoSilencioso);
    EXPECT_EQ(Operador.Conta(QStringLiteral("pergunta Responda|Deseja interromper ?|2|2|4")), 2);
    EXPECT_EQ(Biblioteca.Entregue(47).first, 0);
    // Asked again only after 46 more waits counted from the collection.
    EXPECT_EQ(Biblioteca.Entregue(47 + 45 + 1 + 47).first, -1);
    EXPECT_EQ(Biblioteca.Entregue(47 + 45 + 1 + 46).first, 0);
}

TEST_F(TesteFuncao, ImprimeGravaDadosEConfirmaComONumeroEAHoraDaFuncao) {
    DM_CAIXA_VAREJO.DataHoraTransacao = QStringLiteral("20000101000000");
    std::vector<TLancamentoTEF> DuranteAImpressao;
    Operador.AoEvento = [&](const QString& Evento) {
        if (Evento == QStringLiteral("aguarde Imprimindo Cupom TEF...")) {
            DuranteAImpressao = Livro.Abertos();
        }
    };
    EXPECT_TRUE(Executa({Comando(1, "Aprovado"), Comando(11), Campo(105, "19990101000000"),
                         Campo(121, "VIA CLIENTE"), Campo(122, "VIA LOJA"), Campo(105), Fim(0)},
                        FuncaoSiTef::PreAutorizacao));
    const auto& Inicio = Biblioteca.Inicios.front();
    const QString Momento = Inicio.Data + Inicio.Hora;
    EXPECT_EQ(Pasta.Le(ArquivoDadosTEF),
              ("1\r\n" + Momento + "\r\n" + Momento + "\r\n").toLatin1());
    ASSERT_EQ(Biblioteca.Finalizacoes.size(), 1u);
    const auto& Final = Biblioteca.Finalizacoes.front();
    EXPECT_EQ(Final.Confirma, 1);
    EXPECT_EQ(Final.Cupom, QStringLiteral("1"));
    EXPECT_EQ(Final.Data + Final.Hora, Momento);
    EXPECT_TRUE(Pasta.Le(QStringLiteral("recibo.prn")).contains("VIA LOJA"));
    // The journal said "printing" while it printed, with the function's code.
    ASSERT_EQ(DuranteAImpressao.size(), 1u);
    EXPECT_EQ(DuranteAImpressao[0].Estado, TEstadoLancamento::Imprimindo);
    EXPECT_EQ(DuranteAImpressao[0].Funcao, 115);
    EXPECT_EQ(DuranteAImpressao[0].Documento, QStringLiteral("1"));
    EXPECT_TRUE(Livro.Abertos().empty());
    const TLancamentoTEF Final_ = Livro.Todos().back();
    EXPECT_EQ(Final_.Estado, TEstadoLancamento::Finalizada);
    EXPECT_TRUE(Final_.Impresso);
    EXPECT_EQ(Final_.DadosTransacao, "1\r\n" + Momento + "\r\n" + Momento + "\r\n");
    EXPECT_TRUE(Final_.Comprovante.contains(QStringLiteral("VIA LOJA")));
}

TEST_F(TesteFuncao, SemCampo105ConfirmaComOProprioInicio) {
    DM_CAIXA_VAREJO.DataHoraTransacao = QStringLiteral("20000101000000");
    EXPECT_TRUE(Executa({Campo(121, "VIA")}));
    ASSERT_EQ(Biblioteca.Finalizacoes.size(), 1u);
    const auto& Inicio = Biblioteca.Inicios.front();
    EXPECT_EQ(Biblioteca.Finalizacoes.front().Data, Inicio.Data);
    EXPECT_EQ(Biblioteca.Finalizacoes.front().Hora, Inicio.Hora);
}

TEST_F(TesteFuncao, ResultadoParaVisualizarNaoImprimeNemConfirma) {
    for (const std::int32_t Tipo : {19, 36}) {
        Operador.Eventos.clear();
        EXPECT_TRUE(Executa({Campo(Tipo), Campo(121, "RESUMO DO DIA"), Fim(0)},
                            FuncaoSiTef::Administrativo));
        EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("visualiza | RESUMO DO DIA\r\n")));
    }
    EXPECT_TRUE(Biblioteca.Finalizacoes.empty());
    EXPECT_TRUE(Interface.Eventos.isEmpty());
    EXPECT_FALSE(QFile::exists(Pasta.Caminho(ArquivoDadosTEF)));
}

TEST_F(TesteFuncao, ViaDaLojaSemViaDoClienteNaoImprime) {
    EXPECT_TRUE(Executa({Campo(122, "VIA LOJA"), Fim(0)}));
    EXPECT_TRUE(Interface.Eventos.isEmpty());
    EXPECT_TRUE(Biblioteca.Finalizacoes.empty());
}

TEST_F(TesteFuncao, FalhasDaBiblioteca) {
    Biblioteca.ResultadoInicio = -5;
    EXPECT_THROW(Executa({}), EAbortoSilencioso);
    EXPECT_TRUE(Biblioteca.Continuacoes.empty());
    EXPECT_EQ(Operador.Eventos.last(),
              QStringLiteral("mensagem Atenção|Sem comunicação com o Sitef.|0|1|4"));

    // A refusal with a code of its own is told too; a refusal at the end of
    // the dialogue was told by the library itself.
    Biblioteca.ResultadoInicio = 7;
    EXPECT_FALSE(Executa({}));
    EXPECT_EQ(Operador.Eventos.last(),
              QStringLiteral("mensagem Atenção|Função TEF não realizada (código 7).|0|0|4"));
    Biblioteca.ResultadoInicio = 10000;
    Operador.Eventos.clear();
    EXPECT_FALSE(Executa({Comando(22, "Negada"), Fim(5)}));
    EXPECT_EQ(Operador.Conta(QStringLiteral("mensagem")), 1);
    EXPECT_TRUE(Biblioteca.Finalizacoes.empty());
}

TEST_F(TesteFuncao, CupomNaoImpressoConfirmaOuDesfazPelaFuncao) {
    Interface.Confirma = false; // the print dialog is cancelled
    const std::pair<std::int32_t, std::int16_t> Regras[] = {
        {FuncaoSiTef::Cancelamento, 1},
        {FuncaoSiTef::CancelamentoPix, 1},
        {FuncaoSiTef::Reimpressao, 1},
        {FuncaoSiTef::ReimpressaoEscolhida, 1},
        {FuncaoSiTef::ReimpressaoUltimoCupom, 1},
        {FuncaoSiTef::Administrativo, 1},
        {FuncaoSiTef::PreAutorizacao, 0},
        {FuncaoSiTef::CapturaPreAutorizacao, 0}};
    for (const auto& [Funcao, Confirma] : Regras) {
        Operador.Respostas = {3}; // "Tentar novamente?" "&Não"
        Biblioteca.Finalizacoes.clear();
        EXPECT_TRUE(Executa({Campo(121, "VIA")}, Funcao));
        ASSERT_EQ(Biblioteca.Finalizacoes.size(), 1u) << Funcao;
        EXPECT_EQ(Biblioteca.Finalizacoes.front().Confirma, Confirma) << Funcao;
        EXPECT_EQ(Livro.Todos().back().Funcao, Funcao);
        EXPECT_EQ(Operador.Eventos.last(),
                  QStringLiteral("mensagem Atenção|%1|0|0|4")
                      .arg(Confirma ? MensagemUseReimpressao : MensagemNaoEfetuada));
        EXPECT_TRUE(Livro.Abertos().empty());
    }
}

TEST_F(TesteFuncao, TentarNovamenteImprimeEConfirmaUmaVez) {
    Interface.Confirma = false;
    Operador.Respostas = {2};
    Operador.AoEvento = [&](const QString& Evento) {
        if (Evento.contains(QStringLiteral("Tentar novamente?"))) {
            Interface.Confirma = true;
        }
    };
    EXPECT_TRUE(Executa({Campo(121, "VIA")}, FuncaoSiTef::PreAutorizacao));
    EXPECT_EQ(Interface.Eventos.filter(QStringLiteral("dialogo")).size(), 2);
    ASSERT_EQ(Biblioteca.Finalizacoes.size(), 1u);
    EXPECT_EQ(Biblioteca.Finalizacoes.front().Confirma, 1);
}

TEST_F(TesteFuncao, CupomQueNaoSePreparaVaiParaAPerguntaDeNovaTentativa) {
    QDir().mkdir(ArquivoCupomTEF); // a folder where the work file should be
    Modulo.Str_Impressao = TNStringList({QStringLiteral("recibo anterior")});
    Operador.Respostas = {3};
    EXPECT_TRUE(Executa({Campo(121, "VIA")}, FuncaoSiTef::PreAutorizacao));
    EXPECT_TRUE(Interface.Eventos.isEmpty());
    EXPECT_EQ(Operador.Conta(QStringLiteral("mensagem Atenção|Não foi possível gravar o arquivo")),
              1);
    EXPECT_EQ(Operador.Conta(QStringLiteral("pergunta Responda|Cupom TEF não foi impresso.")), 1);
    ASSERT_EQ(Biblioteca.Finalizacoes.size(), 1u);
    EXPECT_EQ(Biblioteca.Finalizacoes.front().Confirma, 0);
}

// A disk that refuses the working file or the pending record (full,
// read-only) stops the attempt before anything prints; declined, the
// pre-authorisation is undone and nothing is left pending.
TEST_F(TesteFuncao, ArquivoDeTrabalhoQueNaoSeGravaNaoImprimeNada) {
    ASSERT_TRUE(QDir().mkdir(ArquivoDadosTEF));
    std::vector<TLancamentoTEF> NaPergunta;
    Operador.AoEvento = [&](const QString& Evento) {
        if (Evento.contains(QStringLiteral("Tentar novamente?"))) {
            NaPergunta = Livro.Abertos();
        }
    };
    Operador.Respostas = {3};
    EXPECT_TRUE(Executa({Campo(121, "VIA")}, FuncaoSiTef::PreAutorizacao));
    EXPECT_TRUE(Interface.Eventos.isEmpty());
    EXPECT_EQ(Operador.Conta(QStringLiteral("mensagem Atenção|Não foi possível gravar")), 1);
    ASSERT_EQ(Biblioteca.Finalizacoes.size(), 1u);
    EXPECT_EQ(Biblioteca.Finalizacoes.front().Confirma, 0);
    // While the operator was asked, the journal held the approval open.
    ASSERT_EQ(NaPergunta.size(), 1u);
    EXPECT_EQ(NaPergunta[0].Estado, TEstadoLancamento::NaoImpressa);
    EXPECT_TRUE(Livro.Abertos().empty());
}

TEST_F(TesteFuncao, ComprovanteEmBrancoConfirmaSemImprimirEReescreveOArquivo) {
    Pasta.Grava(ArquivoDadosTEF, "41\r\n20000101000000\r\n");
    EXPECT_TRUE(Executa({Campo(121, "  \r\n "), Fim(0)}, FuncaoSiTef::PreAutorizacao));
    EXPECT_TRUE(Interface.Eventos.isEmpty());
    ASSERT_EQ(Biblioteca.Finalizacoes.size(), 1u);
    EXPECT_EQ(Biblioteca.Finalizacoes.front().Confirma, 1);
    EXPECT_TRUE(Livro.Abertos().empty());
    // The working file describes this transaction, not the one before.
    EXPECT_EQ(Pasta.Le(ArquivoDadosTEF), QByteArray("1\r\n"));
}
