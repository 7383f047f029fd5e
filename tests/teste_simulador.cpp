// The real binding (dlopen) against the simulator, asserting on its journal.
#include "CliSiTef.h"
#include "Diario.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "OperadorRoteirizado.h"
#include "PastaDeTrabalho.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>

namespace {

class TesteSimulador : public testing::Test {
protected:
    TPastaDeTrabalho Pasta;
    TLivroTransacoes Livro{TLivroTransacoes::NomePadrao};
    QString CaminhoDiario = Pasta.Caminho(QStringLiteral("diario.jsonl"));

    TesteSimulador() {
        ::setenv("CLISITEF_SIM_DIARIO", CaminhoDiario.toLocal8Bit().constData(), 1);
        ::unsetenv("CLISITEF_SIM_ROTEIRO");
    }
    ~TesteSimulador() override { ::unsetenv("CLISITEF_SIM_DIARIO"); }

    static void UsaRoteiro(const QString& Caminho) {
        ::setenv("CLISITEF_SIM_ROTEIRO", Caminho.toLocal8Bit().constData(), 1);
    }
    static QString Roteiro(const char* Nome) {
        return QStringLiteral(TK_ROTEIROS "/") + QString::fromLatin1(Nome);
    }
    QList<QJsonObject> Diario() const { return LeDiario(CaminhoDiario); }
    QList<QJsonObject> Chamadas(const char* Nome) const {
        return ::Chamadas(Diario(), QString::fromLatin1(Nome));
    }
    static QString Texto(const QJsonObject& Linha, const char* Chave) {
        return Linha.value(QString::fromLatin1(Chave)).toString();
    }
    static int Numero(const QJsonObject& Linha, const char* Chave) {
        return Linha.value(QString::fromLatin1(Chave)).toInt(-99999);
    }

    // Starts function 0 of the scenario and walks it with the given replies.
    std::int32_t Venda(TCliSiTef& CliSiTef, const QString& Cupom,
                       const QList<std::pair<QString, int>>& Respostas) {
        std::int32_t Resultado = CliSiTef.IniciaFuncaoSiTefInterativo(
            0, QStringLiteral("        12,34"), Cupom, QStringLiteral("20261208"),
            QStringLiteral("101500"), QStringLiteral("999"), QStringLiteral("[]"));
        TSaidaComando Saida;
        TBufferSiTef Buffer;
        qsizetype Proxima = 0;
        int ValorContinua = 0;
        while (Resultado == 10000) {
            Resultado = CliSiTef.ContinuaFuncaoSiTefInterativo(Saida, Buffer, ValorContinua);
            ValorContinua = 0;
            if (Resultado == 10000 && (Saida.Comando == 30 || Saida.Comando == 21) &&
                Proxima < Respostas.size()) {
                Buffer.EscreveResposta(Respostas[Proxima].first);
                ValorContinua = Respostas[Proxima++].second;
            }
        }
        return Resultado;
    }
};

TEST_F(TesteSimulador, TesteSilenciosoComODemo) {
    TCliSiTef CliSiTef;
    ASSERT_TRUE(CliSiTef.Carregada());
    EXPECT_EQ(CliSiTef.Falha(), QString());
    TOperadorRoteirizado Operador;
    TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
    EXPECT_EQ(TestaComunicacaoTEF(Ambiente, true), 0);

    const auto Inicios = Chamadas("IniciaFuncaoSiTefInterativo");
    ASSERT_EQ(Inicios.size(), 1);
    EXPECT_EQ(Numero(Inicios[0], "funcao"), 111);
    EXPECT_EQ(Texto(Inicios[0], "valor"), QStringLiteral("0,00"));
    EXPECT_EQ(Texto(Inicios[0], "cupom"), QStringLiteral("1"));
    EXPECT_EQ(Texto(Inicios[0], "operador"), QStringLiteral("0"));
    EXPECT_EQ(Texto(Inicios[0], "data").size(), 8);
    EXPECT_EQ(Texto(Inicios[0], "hora").size(), 6);
    EXPECT_TRUE(Inicios[0].value(QStringLiteral("parametros")).isNull());
    EXPECT_EQ(Numero(Inicios[0], "resultado"), 10000);

    const auto Continuacoes = Chamadas("ContinuaFuncaoSiTefInterativo");
    ASSERT_GE(Continuacoes.size(), 2);
    for (const QJsonObject& Linha : Continuacoes) {
        EXPECT_EQ(Numero(Linha, "tamanho"), 30001);
        EXPECT_EQ(Numero(Linha, "continua"), 0);
    }
    EXPECT_EQ(Texto(Continuacoes.front(), "buffer"), QString());
    EXPECT_EQ(Numero(Continuacoes.back(), "resultado"), 0);
    // The demo's notice was not shown in the silent test.
    for (const QString& Evento : Operador.Eventos) {
        EXPECT_FALSE(Evento.startsWith(QStringLiteral("mensagem")));
    }
}

TEST_F(TesteSimulador, RespostasDoTesteInterativoChegamABiblioteca) {
    UsaRoteiro(Roteiro("pergunta.json"));
    TCliSiTef CliSiTef;
    for (std::uint8_t Resposta : {std::uint8_t(2), std::uint8_t(3)}) {
        TOperadorRoteirizado Operador;
        Operador.Respostas = {Resposta};
        TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
        EXPECT_EQ(TestaComunicacaoTEF(Ambiente, false), 0);
        EXPECT_TRUE(Operador.Eventos.contains(
            QStringLiteral("mensagem Atenção| Comunicação em ordem|0|0|4")));
    }
    QStringList Respostas;
    for (const QJsonObject& Linha : Chamadas("ContinuaFuncaoSiTefInterativo")) {
        if (Numero(Linha, "comando") == 22) {
            Respostas.append(Texto(Linha, "buffer"));
        }
    }
    EXPECT_EQ(Respostas, (QStringList{QStringLiteral("0"), QStringLiteral("1")}));

    // "&Cancelar" interrupts: the library ends the function with -2.
    TOperadorRoteirizado Operador;
    Operador.Respostas = {1};
    TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
    EXPECT_EQ(TestaComunicacaoTEF(Ambiente, false), -2);
    EXPECT_EQ(Numero(Chamadas("ContinuaFuncaoSiTefInterativo").back(), "continua"), -1);
}

TEST_F(TesteSimulador, TextosEstranhosNaoDerrubamOTeste) {
    QJsonArray Passos;
    Passos.append(QJsonObject{{QStringLiteral("comando"), 22},
                              {QStringLiteral("texto"), QString(30000, u'é')}});
    Passos.append(QJsonObject{{QStringLiteral("comando"), 777},
                              {QStringLiteral("texto"), QStringLiteral("?")}});
    Passos.append(QJsonObject{{QStringLiteral("comando"), 30},
                              {QStringLiteral("min"), 5},
                              {QStringLiteral("max"), -3},
                              {QStringLiteral("texto"), QStringLiteral("Dado")}});
    Passos.append(QJsonObject{{QStringLiteral("comando"), 21},
                              {QStringLiteral("texto"), QStringLiteral("1:Um;2:Dois")}});
    const QJsonObject Cenario{
        {QStringLiteral("funcoes"),
         QJsonObject{{QStringLiteral("111"), QJsonObject{{QStringLiteral("passos"), Passos},
                                                         {QStringLiteral("resultado"), 7}}}}}};
    Pasta.Grava(QStringLiteral("estranho.json"), QJsonDocument(Cenario).toJson());
    UsaRoteiro(Pasta.Caminho(QStringLiteral("estranho.json")));

    TCliSiTef CliSiTef;
    TOperadorRoteirizado Operador;
    Operador.Respostas = {};
    TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
    EXPECT_EQ(TestaComunicacaoTEF(Ambiente, false), 7);

    ASSERT_GE(Operador.Eventos.size(), 2);
    const QString Aviso = Operador.Eventos[1];
    EXPECT_EQ(Aviso, QStringLiteral("mensagem Atenção| ") + QString(30000, u'é') +
                         QStringLiteral("|0|0|4"));
    const auto Continuacoes = Chamadas("ContinuaFuncaoSiTefInterativo");
    EXPECT_EQ(Numero(Continuacoes[2], "max"), -3);
    EXPECT_EQ(Texto(Continuacoes[3], "texto"), QStringLiteral("1:Um;2:Dois"));
}

TEST_F(TesteSimulador, ConfiguracaoValidaOsArgumentosEPinPad) {
    TCliSiTef CliSiTef;
    EXPECT_EQ(CliSiTef.ConfiguraIntSiTefInterativo(QString(), QStringLiteral("1"),
                                                   QStringLiteral("T"), QString()),
              1);
    EXPECT_EQ(CliSiTef.ConfiguraIntSiTefInterativo(QStringLiteral("h"), QString(),
                                                   QStringLiteral("T"), QString()),
              2);
    EXPECT_EQ(CliSiTef.ConfiguraIntSiTefInterativo(QStringLiteral("h"), QStringLiteral("1"),
                                                   QString(), QString()),
              3);
    EXPECT_EQ(CliSiTef.ConfiguraIntSiTefInterativo(QStringLiteral("127.0.0.1"),
                                                   QStringLiteral("Lojão"),
                                                   QStringLiteral("SE000001"), QString()),
              0);
    EXPECT_EQ(CliSiTef.VerificaPresencaPinPad(), 1);
    CliSiTef.EscreveMensagemPermanentePinPad(QStringLiteral("   TEF Kimbro   |Olá, cliente!"));

    const auto Configuracoes = Chamadas("ConfiguraIntSiTefInterativo");
    ASSERT_EQ(Configuracoes.size(), 4);
    EXPECT_EQ(Texto(Configuracoes[3], "ip"), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(Texto(Configuracoes[3], "loja"), QStringLiteral("Lojão"));
    EXPECT_EQ(Texto(Configuracoes[3], "terminal"), QStringLiteral("SE000001"));
    // The simulator has the Ex call: the parameters reach it as given, TLS
    // on or off.
    EXPECT_TRUE(CliSiTef.AceitaParametrosConfiguracao());
    const QString ComTls = QStringLiteral(
        "[ParmsClient=1=11222333000181;2=12345678000195];[TipoComunicacaoExterna=SSL]");
    for (const QString& Parametros : {ComTls, ComTls.section(u';', 0, 1)}) {
        CliSiTef.ConfiguraIntSiTefInterativo(QStringLiteral("h"), QStringLiteral("1"),
                                             QStringLiteral("T"), Parametros);
        EXPECT_EQ(Texto(Chamadas("ConfiguraIntSiTefInterativo").back(), "parametros"), Parametros);
    }
    EXPECT_EQ(Texto(Chamadas("EscreveMensagemPermanentePinPad").front(), "mensagem"),
              QStringLiteral("   TEF Kimbro   |Olá, cliente!"));

    UsaRoteiro(Roteiro("voltar.json"));
    EXPECT_EQ(CliSiTef.ConfiguraIntSiTefInterativo(QStringLiteral("h"), QStringLiteral("1"),
                                                   QStringLiteral("T"), QString()),
              1);
    EXPECT_EQ(CliSiTef.VerificaPresencaPinPad(), 12);
}

TEST_F(TesteSimulador, VoltarRamosEFuncoesNaoListadas) {
    UsaRoteiro(Roteiro("voltar.json"));
    TCliSiTef CliSiTef;
    // Card, expiry answered "back", card again, expiry, menu "2".
    EXPECT_EQ(Venda(CliSiTef, QStringLiteral("7"),
                    {{QStringLiteral("4111111111111111"), 0},
                     {QStringLiteral("12"), 1},
                     {QStringLiteral("5555444433331111"), 0},
                     {QStringLiteral("1228"), 0},
                     {QStringLiteral("2"), 0}}),
              0);
    QStringList Textos;
    for (const QJsonObject& Linha : Chamadas("ContinuaFuncaoSiTefInterativo")) {
        Textos.append(Texto(Linha, "texto"));
    }
    EXPECT_EQ(Textos,
              (QStringList{QStringLiteral("Número do cartão"), QStringLiteral("Vencimento"),
                           QStringLiteral("Número do cartão"), QStringLiteral("Vencimento"),
                           QStringLiteral("1:À vista;2:Parcelado;"),
                           QStringLiteral("Parcelado escolhido"),
                           QStringLiteral("CUPOM 7 R$ 12,34 ************1111"), QString()}));

    EXPECT_EQ(CliSiTef.IniciaFuncaoSiTefInterativo(112, QString(), QStringLiteral("8"), QString(),
                                                   QString(), QString(), std::nullopt),
              -5);
    EXPECT_EQ(CliSiTef.IniciaFuncaoSiTefInterativo(999, QString(), QStringLiteral("9"), QString(),
                                                   QString(), QString(), std::nullopt),
              -3);
}

TEST_F(TesteSimulador, PendenteDeUmProcessoEDesfeitoNoInicioSeguinteDeOutro) {
    UsaRoteiro(Roteiro("voltar.json"));
    const QList<std::pair<QString, int>> Respostas = {{QStringLiteral("4111111111111111"), 0},
                                                      {QStringLiteral("1228"), 0},
                                                      {QStringLiteral("1"), 0}};
    EXPECT_EXIT(
        {
            TCliSiTef CliSiTef;
            std::exit(Venda(CliSiTef, QStringLiteral("41"), Respostas) == 0 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
    for (const QJsonObject& Linha : Diario()) {
        EXPECT_FALSE(Linha.contains(QStringLiteral("evento"))) << "undone too early";
    }

    TCliSiTef CliSiTef;
    EXPECT_EQ(Venda(CliSiTef, QStringLiteral("42"), Respostas), 0);
    CliSiTef.FinalizaTransacaoSiTefInterativo(1, QStringLiteral("42"), QStringLiteral("20261208"),
                                              QStringLiteral("101500"));
    EXPECT_EQ(Venda(CliSiTef, QStringLiteral("43"), Respostas), 0);
    CliSiTef.FinalizaTransacaoSiTefInterativo(0, QStringLiteral("43"), QStringLiteral("20261208"),
                                              QStringLiteral("101500"));

    QStringList Desfeitas;
    for (const QJsonObject& Linha : Diario()) {
        if (Texto(Linha, "evento") == QStringLiteral("desfeita")) {
            Desfeitas.append(Texto(Linha, "cupom") + QLatin1Char('/') + Texto(Linha, "data") +
                             QLatin1Char('/') + Texto(Linha, "hora"));
        }
    }
    // 41 at the next start, 43 when the station undid it; 42 was confirmed.
    EXPECT_EQ(Desfeitas, (QStringList{QStringLiteral("41/20261208/101500"),
                                      QStringLiteral("43/20261208/101500")}));
    const auto Finalizacoes = Chamadas("FinalizaTransacaoSiTefInterativo");
    ASSERT_EQ(Finalizacoes.size(), 2);
    EXPECT_EQ(Numero(Finalizacoes[0], "confirma"), 1);
    EXPECT_EQ(Texto(Finalizacoes[0], "cupom"), QStringLiteral("42"));
}

TEST_F(TesteSimulador, Funcao130ListaPendentesSemDesfazerEQuantidadeOsConta) {
    const struct {
        const char* Acrescimo; // to the scenario of the sale
        const char* Campos;    // what function 130 handed over, then its result
    } Casos[] = {
        {"}", "210=1 160=51 161=1 163=20261208 164=101500 134=998877 0"},
        {R"(}, "pendentes": {"consulta": -3})", "-3"},
        // A scenario that scripts 130 has its own way.
        {R"(, "130": {"inicio": -5}}, "pendentes": {"consulta": -3})", "-5"},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Campos);
        Pasta.Grava(QStringLiteral("pendentes.json"),
                    R"({"funcoes": {"0": {"passos": [{"tipoCampo": 134, "texto": "998877"},
                        {"tipoCampo": 121, "texto": "CUPOM"}]})" +
                        QByteArray(Caso.Acrescimo) + '}');
        UsaRoteiro(Pasta.Caminho(QStringLiteral("pendentes.json")));
        TCliSiTef CliSiTef;
        ASSERT_EQ(Venda(CliSiTef, QStringLiteral("51"), {}), 0);
        std::int32_t Resultado = CliSiTef.IniciaFuncaoSiTefInterativo(
            130, QString(), QString(), QString(), QString(), QString(), std::nullopt);
        EXPECT_EQ(Numero(Chamadas("IniciaFuncaoSiTefInterativo").back(), "funcao"), 130);
        QString Campos;
        TSaidaComando Saida;
        TBufferSiTef Buffer;
        while (Resultado == 10000 &&
               (Resultado = CliSiTef.ContinuaFuncaoSiTefInterativo(Saida, Buffer, 0)) == 10000) {
            Campos += QStringLiteral("%1=%2 ").arg(Saida.TipoCampo).arg(Buffer.Bytes());
        }
        EXPECT_EQ((Campos + QString::number(Resultado)).toStdString(), Caso.Campos);

        const QString Data = QStringLiteral("20261208");
        EXPECT_EQ(CliSiTef.ObtemQuantidadeTransacoesPendentes(Data, QStringLiteral("51")), 1);
        EXPECT_EQ(CliSiTef.ObtemQuantidadeTransacoesPendentes(Data, QStringLiteral("52")), -13);
        EXPECT_EQ(Chamadas("ObtemQuantidadeTransacoesPendentes").back(),
                  QJsonDocument::fromJson(R"({"chamada": "ObtemQuantidadeTransacoesPendentes",
                      "data": "20261208", "cupom": "52", "resultado": -13})")
                      .object());
        CliSiTef.FinalizaTransacaoSiTefInterativo(1, QStringLiteral("51"), Data,
                                                  QStringLiteral("101500"));
    }
    for (const QJsonObject& Linha : Diario()) {
        EXPECT_NE(Texto(Linha, "evento"), QStringLiteral("desfeita"));
    }
}

TEST_F(TesteSimulador, RoteiroInvalidoEhAvisadoENaoDerrubaNada) {
    Pasta.Grava(QStringLiteral("ruim.json"), "{ isto não é json");
    UsaRoteiro(Pasta.Caminho(QStringLiteral("ruim.json")));
    TCliSiTef CliSiTef;
    EXPECT_EQ(CliSiTef.IniciaFuncaoSiTefInterativo(0, QString(), QStringLiteral("1"), QString(),
                                                   QString(), QString(), std::nullopt),
              -3);
    EXPECT_EQ(Texto(Diario().front(), "evento"), QStringLiteral("roteiroInvalido"));
}

TEST(Vinculo, BibliotecaAusenteResponde8MenosUmENomeiaOArquivo) {
    static QStringList Avisos;
    Avisos.clear();
    const QtMessageHandler Anterior = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& Texto) { Avisos.append(Texto); });
    TCliSiTef CliSiTef(QStringLiteral("libclisitef_inexistente.so"));
    qInstallMessageHandler(Anterior);

    EXPECT_FALSE(CliSiTef.Carregada());
    ASSERT_FALSE(Avisos.isEmpty());
    EXPECT_TRUE(Avisos.front().contains(QStringLiteral("libclisitef_inexistente.so")));
    // The status line's reason: the file looked for and what the loader said.
    EXPECT_EQ(::dlopen("libclisitef_inexistente.so", RTLD_NOW), nullptr);
    const QString Motivo = QString::fromLocal8Bit(::dlerror());
    EXPECT_TRUE(CliSiTef.Falha().contains(QStringLiteral("libclisitef_inexistente.so")));
    EXPECT_TRUE(CliSiTef.Falha().contains(Motivo)) << qPrintable(CliSiTef.Falha());
    EXPECT_EQ(CliSiTef.ConfiguraIntSiTefInterativo(QStringLiteral("h"), QStringLiteral("1"),
                                                   QStringLiteral("T"), QString()),
              8);
    EXPECT_EQ(CliSiTef.VerificaPresencaPinPad(), -1);
    EXPECT_EQ(CliSiTef.EscreveMensagemPermanentePinPad(QStringLiteral("x")), -1);
    EXPECT_EQ(CliSiTef.IniciaFuncaoSiTefInterativo(0, QString(), QString(), QString(), QString(),
                                                   QString(), std::nullopt),
              -1);
    TSaidaComando Saida;
    TBufferSiTef Buffer;
    EXPECT_EQ(CliSiTef.ContinuaFuncaoSiTefInterativo(Saida, Buffer, 0), -1);
    CliSiTef.FinalizaTransacaoSiTefInterativo(1, QStringLiteral("1"), QString(), QString());
}

TEST(Vinculo, SemFinalizaTransacaoUsaASucessoraComParametrosNulos) {
    TCliSiTef CliSiTef(QStringLiteral("libclisitef_sucessor.so"));
    ASSERT_TRUE(CliSiTef.Carregada());
    CliSiTef.FinalizaTransacaoSiTefInterativo(1, QStringLiteral("15"), QStringLiteral("20261208"),
                                              QStringLiteral("093000"));
    void* Modulo = ::dlopen("libclisitef_sucessor.so", RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(Modulo, nullptr);
    const auto Ultima = reinterpret_cast<const char* (*)()>(::dlsym(Modulo, "UltimaFinalizacao"));
    EXPECT_STREQ(Ultima(), "1|15|20261208|093000|<nulo>");
    // Without the Ex call the configuration's parameters cannot be handed.
    EXPECT_FALSE(CliSiTef.AceitaParametrosConfiguracao());
    EXPECT_EQ(CliSiTef.ConfiguraIntSiTefInterativo(QStringLiteral("h"), QStringLiteral("1"),
                                                   QStringLiteral("T"),
                                                   QStringLiteral("[TipoComunicacaoExterna=SSL]")),
              0);
    EXPECT_STREQ(Ultima(), "configura|h|1|T");
    ::dlclose(Modulo);
    // Functions it lacks answer as a missing library does, and the status
    // line names them and the file the loader found; the successor stands
    // in for the confirmation call.
    EXPECT_EQ(CliSiTef.VerificaPresencaPinPad(), -1);
    EXPECT_TRUE(CliSiTef.Falha().contains(QStringLiteral("/libclisitef_sucessor.so inválida")));
    EXPECT_TRUE(CliSiTef.Falha().contains(QStringLiteral("VerificaPresencaPinPad")));
    EXPECT_FALSE(CliSiTef.Falha().contains(QStringLiteral("Finaliza")));
    // The pending count is optional: not missed, not offered.
    EXPECT_FALSE(CliSiTef.Falha().contains(QStringLiteral("ObtemQuantidade")));
    EXPECT_EQ(CliSiTef.ObtemQuantidadeTransacoesPendentes(QStringLiteral("20261208"),
                                                          QStringLiteral("15")),
              std::nullopt);
}

TEST(Vinculo, SaidasDeSessentaEQuatroBitsSaoEstreitadasSemEscreverAlem) {
    TCliSiTef CliSiTef(QStringLiteral("libclisitef_larga.so"));
    TSaidaComando Saida;
    TBufferSiTef Buffer;
    EXPECT_EQ(CliSiTef.ContinuaFuncaoSiTefInterativo(Saida, Buffer, 0), 10000);
    EXPECT_EQ(Saida.Comando, 21);
    EXPECT_EQ(Saida.TipoCampo, 505);
    EXPECT_EQ(Saida.TamanhoMinimo, -1);
    EXPECT_EQ(Saida.TamanhoMaximo, 32767);
    EXPECT_EQ(Buffer.Bytes(), QByteArray("x"));
}

TEST_F(TesteSimulador, RegistroNuncaGuardaCartaoNemSenha) {
    static QStringList Registros;
    Registros.clear();
    QLoggingCategory::setFilterRules(QStringLiteral("tefkimbro.tef.biblioteca.debug=true"));
    const QtMessageHandler Anterior =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& Texto) {
            Registros.append(Texto);
        });
    UsaRoteiro(Roteiro("voltar.json"));
    TCliSiTef CliSiTef;
    Venda(CliSiTef, QStringLiteral("9"),
          {{QStringLiteral("4111111111111111"), 0},
           {QStringLiteral("1228"), 0},
           {QStringLiteral("2"), 0}});
    qInstallMessageHandler(Anterior);
    QLoggingCategory::setFilterRules(QString());

    const QString Tudo = Registros.join(QLatin1Char('\n'));
    EXPECT_TRUE(Tudo.contains(QStringLiteral("IniciaFuncaoSiTefInterativo")));
    EXPECT_FALSE(Tudo.contains(QStringLiteral("4111111111111111")));
    EXPECT_FALSE(Tudo.contains(QStringLiteral("1228")));
    EXPECT_TRUE(Tudo.contains(QStringLiteral("\"2\"")));
}

} // namespace
