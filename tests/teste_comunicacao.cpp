#include "BibliotecaRoteirizada.h"
#include "Erros.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "OperadorRoteirizado.h"
#include "PastaDeTrabalho.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using Passo = TBibliotecaRoteirizada::Passo;

class TesteComunicacao : public testing::Test {
protected:
    TPastaDeTrabalho Pasta;
    TLivroTransacoes Livro{TLivroTransacoes::NomePadrao};
    TBibliotecaRoteirizada Biblioteca;
    TOperadorRoteirizado Operador;
    TAmbienteTEF Ambiente{Biblioteca, Operador, Livro};

    // What the station left in the buffer at each continuation call.
    QList<QByteArray> Buffers() const {
        QList<QByteArray> Lista;
        for (const auto& C : Biblioteca.Continuacoes) {
            Lista.append(C.Buffer);
        }
        return Lista;
    }
};

Passo Comando(std::int32_t Codigo, const QByteArray& Texto = {}) {
    return Passo{10000, Codigo, -1, 0, 0, Texto};
}

Passo Fim(std::int32_t Resultado) {
    return Passo{Resultado, 0, 0, 0, 0, {}};
}

} // namespace

TEST_F(TesteComunicacao, AbreAFuncao111ComOsArgumentosDoTeste) {
    Biblioteca.ResultadoInicio = -5;
    EXPECT_EQ(TestaComunicacaoTEF(Ambiente, true), -5);

    ASSERT_EQ(Biblioteca.Inicios.size(), 1u);
    const auto& Inicio = Biblioteca.Inicios.front();
    EXPECT_EQ(Inicio.Funcao, 111);
    EXPECT_EQ(Inicio.Valor, QStringLiteral("0,00"));
    EXPECT_EQ(Inicio.Cupom, QStringLiteral("1"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{8}$")).match(Inicio.Data).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{6}$")).match(Inicio.Hora).hasMatch());
    EXPECT_EQ(Inicio.Operador, QStringLiteral("0"));
    EXPECT_FALSE(Inicio.Parametros.has_value());
    // A start that does not open a dialogue makes no continuation call.
    EXPECT_TRUE(Biblioteca.Continuacoes.empty());
    EXPECT_EQ(Operador.Eventos, (QStringList{QStringLiteral("aguarde Testando comunicação Tef..."),
                                             QStringLiteral("fim aguarde")}));
    // The test spends a document number like any function.
    EXPECT_EQ(ProximaSequencia(), 2);
}

TEST_F(TesteComunicacao, SilenciosoRespondeSimSemPerguntarENaoMostraAvisos) {
    Biblioteca.Passos = {Comando(1, "Conectando..."),
                         Comando(11),
                         Comando(20, "Confirma?"),
                         Comando(22, "Aviso ao operador"),
                         Comando(777, "desconhecido"),
                         Comando(21, "1:A;2:B"),
                         Fim(0)};
    EXPECT_EQ(TestaComunicacaoTEF(Ambiente, true), 0);

    EXPECT_EQ(Operador.Eventos,
              (QStringList{QStringLiteral("aguarde Testando comunicação Tef..."),
                           QStringLiteral("aguarde  Conectando..."), QStringLiteral("fim aguarde"),
                           QStringLiteral("fim aguarde")}));
    // Only the first character becomes "0"; the rest of the library's text stays.
    EXPECT_EQ(Buffers().at(3), QByteArray("0onfirma?"));
    // Commands that need no reply leave the library's text for the next call.
    EXPECT_EQ(Buffers().at(4), QByteArray("Aviso ao operador"));
}

TEST_F(TesteComunicacao, InterativoPerguntaERespondeOTextoInteiro) {
    Biblioteca.Passos = {Comando(20, "Primeira?"), Comando(20, "Segunda?"),
                         Comando(20, "Fechada?"),  Comando(22, "Comunica\xe7\xe3o em ordem"),
                         Comando(20, "Cancela?"),  Fim(0)};
    Operador.Respostas = {2, 3, 4, 1};
    EXPECT_EQ(TestaComunicacaoTEF(Ambiente, false), 0);

    EXPECT_EQ(Buffers(), (QList<QByteArray>{"", "0", "1", "Fechada?", "Comunica\xe7\xe3o em ordem",
                                            "Cancela?"}));
    std::vector<std::int32_t> Continuas;
    for (const auto& C : Biblioteca.Continuacoes) {
        Continuas.push_back(C.Continua);
    }
    EXPECT_EQ(Continuas, (std::vector<std::int32_t>{0, 0, 0, 0, 0, -1}));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("pergunta Responda| Primeira?|3|2|4")));
    EXPECT_TRUE(
        Operador.Eventos.contains(QStringLiteral("mensagem Atenção| Comunicação em ordem|0|0|4")));
}

TEST_F(TesteComunicacao, ContinuaComecaEmZeroMesmoDepoisDeUmAbandono) {
    Continua = -1;
    Biblioteca.Passos = {Comando(0), Fim(-2)};
    EXPECT_EQ(TestaComunicacaoTEF(Ambiente, true), -2);
    EXPECT_EQ(Biblioteca.Continuacoes.front().Continua, 0);
}

TEST_F(TesteComunicacao, ErroNoCaminhoFechaACaixaDeEsperaEChegaAoChamador) {
    Biblioteca.Passos = {Comando(1, "Conectando..."), Fim(0)};
    Biblioteca.AoContinuar = [this] {
        if (Biblioteca.Continuacoes.size() == 2) {
            throw EErro(QStringLiteral("falha simulada"));
        }
    };
    EXPECT_THROW(TestaComunicacaoTEF(Ambiente, true), EErro);
    EXPECT_EQ(Operador.CaixasDeEsperaAbertas, 0);
    EXPECT_EQ(Operador.Eventos.last(), QStringLiteral("fim aguarde"));
}

TEST_F(TesteComunicacao, SequenciaInvalidaNaoAbreFuncaoNemCaixaDeEspera) {
    Pasta.Grava(ArquivoSequencia, "x");
    EXPECT_THROW(TestaComunicacaoTEF(Ambiente, true), EErroConversao);
    EXPECT_TRUE(Biblioteca.Inicios.empty());
    EXPECT_TRUE(Operador.Eventos.isEmpty());
}

TEST(BufferSiTef, TextoDaMensagemComecaComUmBrancoEEhLimitado) {
    TBufferSiTef Buffer;
    EXPECT_EQ(Buffer.TextoMensagem(), QStringLiteral(" "));
    Buffer.EscreveResposta(QStringLiteral("Cartão"));
    EXPECT_EQ(Buffer.Bytes(), QByteArray("Cart\xe3o"));
    EXPECT_EQ(Buffer.TextoMensagem(), QStringLiteral(" Cartão"));

    // A library that left no zero byte in the whole buffer.
    std::fill(Buffer.Dados(), Buffer.Dados() + TBufferSiTef::Tamanho, 'A');
    EXPECT_EQ(Buffer.Bytes().size(), TBufferSiTef::Tamanho);
    EXPECT_EQ(Buffer.TextoMensagem().size(), TBufferSiTef::Tamanho + 1);
}

TEST(BufferSiTef, RespostaLongaDemaisECortadaComOZero) {
    TBufferSiTef Buffer;
    Buffer.EscreveResposta(QString(40000, u'9'));
    EXPECT_EQ(Buffer.Bytes(), QByteArray(30000, '9'));
    EXPECT_EQ(Buffer.Dados()[30000], '\0');
}
