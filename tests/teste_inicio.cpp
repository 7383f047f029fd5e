// The TEF start: configure, settle what a previous run left open, test the
// link, greet the PIN pad; what it reports is what the window shows.
#include "EstacaoRoteirizada.h"
#include "InicioTEF.h"

#include <gtest/gtest.h>

namespace {

using namespace PassosRoteiro;

// Valid CNPJs: check digits 81 and 95.
const QString CnpjLoja = QStringLiteral("11222333000181");
const QString CnpjSoftwareHouse = QStringLiteral("12345678000195");

const TParametrosInicio Parametros{QStringLiteral("10.0.0.1"),
                                   QStringLiteral("00000000"),
                                   QStringLiteral("SE000001"),
                                   QStringLiteral("Caixa 1"),
                                   CnpjLoja,
                                   CnpjSoftwareHouse,
                                   false};

} // namespace

TEST(InicioTEF, ConfiguracaoPendenciaComunicacaoEPinPad) {
    const struct {
        const char* Caso;
        std::int32_t Configura;
        bool Aberta;              // a sale stopped during its dialogue by the previous run
        std::int32_t Comunicacao; // the link test's final result
        std::int32_t PinPad;
        std::int32_t StatusTEF;
        const char* Mensagem; // how the one message starts; none when empty
        size_t Finalizacoes;
    } Casos[] = {
        {"online", 0, false, 0, 1, 0, "", 0},
        {"configuration refused", 1, true, 0, 1, 1, "Transação TEF pendente (documento 7) ainda",
         0},
        {"left open", 0, true, 0, 1, 0, "Transação TEF interrompida", 1},
        {"link test failed", 0, false, -5, 1, -5, "", 0},
        {"PIN pad absent", 0, false, 0, 0, 0, "", 0},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Caso);
        TEstacaoRoteirizada E;
        E.Biblioteca.ResultadoConfigura = Caso.Configura;
        E.Biblioteca.PresencaPinPad = Caso.PinPad;
        E.Biblioteca.Passos.push_back(Fim(Caso.Comunicacao));
        if (Caso.Aberta) {
            TLancamentoTEF Venda;
            Venda.Documento = QStringLiteral("7");
            Venda.Data = QStringLiteral("20261209");
            Venda.Hora = QStringLiteral("101010");
            E.Livro.Inicia(Venda);
        }
        // The open sale is settled before the link test opens a function.
        E.Biblioteca.AoFinalizar = [&](const auto&) { EXPECT_TRUE(E.Biblioteca.Inicios.empty()); };

        const TInicioTEF Inicio = IniciaTEF(E.Ambiente, Parametros);

        EXPECT_EQ(Inicio.StatusTEF, Caso.StatusTEF);
        EXPECT_EQ(Inicio.StatusPinPad, Caso.PinPad);
        if (*Caso.Mensagem != '\0') {
            ASSERT_EQ(Inicio.Mensagens.size(), 1);
            EXPECT_TRUE(Inicio.Mensagens[0].startsWith(QString::fromUtf8(Caso.Mensagem)))
                << Inicio.Mensagens[0].toStdString();
        } else {
            EXPECT_TRUE(Inicio.Mensagens.isEmpty());
        }
        EXPECT_EQ(E.Biblioteca.Finalizacoes.size(), Caso.Finalizacoes);
        // Configured, the silent link test (111) runs; refused, no function opens.
        ASSERT_EQ(E.Biblioteca.Inicios.size(), Caso.Configura == 0 ? 1u : 0u);
        if (Caso.Configura == 0) {
            EXPECT_EQ(E.Biblioteca.Inicios[0].Funcao, 111);
        }
        EXPECT_EQ(E.Biblioteca.MensagensPinPad,
                  Caso.PinPad == 1 ? QStringList{PrefixoPinPad + QStringLiteral("Caixa 1")}
                                   : QStringList());
        EXPECT_EQ(E.Livro.Abertos().size(), Caso.Aberta && Caso.Configura != 0 ? 1u : 0u);
    }
}

// What the library's configuration is handed, and what the status line
// keeps saying of it.
TEST(InicioTEF, CnpjsETlsNosParametrosDaConfiguracao) {
    const struct {
        QString Loja, SoftwareHouse;
        bool Tls, ComEx;
        const char* Parametros;
        const char* Aviso; // how it starts; none when empty
    } Casos[] = {
        {CnpjLoja, CnpjSoftwareHouse, false, true,
         "[ParmsClient=1=11222333000181;2=12345678000195]", ""},
        {CnpjLoja, CnpjSoftwareHouse, true, true,
         "[ParmsClient=1=11222333000181;2=12345678000195];[TipoComunicacaoExterna=SSL]", ""},
        {QString(), QString(), true, true, "[TipoComunicacaoExterna=SSL]",
         "Configuração TEF: sem o CNPJ da loja (CNPJ_LOJA); sem o CNPJ da software house"},
        {QStringLiteral("11222333000182"), CnpjSoftwareHouse, false, true,
         "[ParmsClient=2=12345678000195]",
         "Configuração TEF: CNPJ da loja (CNPJ_LOJA) inválido. A"},
        // The alphanumeric CNPJ, the Receita Federal's own example.
        {QStringLiteral("12ABC34501DE35"), CnpjSoftwareHouse, false, true,
         "[ParmsClient=1=12ABC34501DE35;2=12345678000195]", ""},
        {QStringLiteral("11111111111111"), CnpjSoftwareHouse, false, true,
         "[ParmsClient=2=12345678000195]",
         "Configuração TEF: CNPJ da loja (CNPJ_LOJA) inválido. A"},
        // Without the Ex call nothing can be handed: TLS is said to be off.
        {QString(), QString(), true, false, "", "TLS marcado, mas a biblioteca SiTef não tem"},
        {QString(), QString(), false, false, "", ""},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Parametros);
        TEstacaoRoteirizada E;
        E.Biblioteca.ComConfiguracaoEx = Caso.ComEx;
        TParametrosInicio P = Parametros;
        P.CnpjLoja = Caso.Loja;
        P.CnpjSoftwareHouse = Caso.SoftwareHouse;
        P.Tls = Caso.Tls;
        E.Biblioteca.Passos.push_back(Fim(0));
        const TInicioTEF Inicio = IniciaTEF(E.Ambiente, P);
        EXPECT_EQ(E.Biblioteca.ParametrosConfiguracao,
                  QStringList{QString::fromLatin1(Caso.Parametros)});
        const QString Aviso = QString::fromUtf8(Caso.Aviso);
        EXPECT_EQ(Inicio.AvisoConfiguracao.left(Aviso.isEmpty() ? -1 : Aviso.size()), Aviso);
    }
}
