// The TEF start: configure, settle what a previous run left open, test the
// link, greet the PIN pad; what it reports is what the window shows.
#include "EstacaoRoteirizada.h"
#include "InicioTEF.h"

#include <gtest/gtest.h>

namespace {

using namespace PassosRoteiro;

const TParametrosInicio Parametros{QStringLiteral("10.0.0.1"), QStringLiteral("00000000"),
                                   QStringLiteral("SE000001"), QStringLiteral("Caixa 1")};

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
