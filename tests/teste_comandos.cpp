// The library's commands beyond the sale's and the administrative
// functions' own tables, served alike by both loops: the header (15, 16),
// the wait (23), a field the station gives itself (29), a masked field (41),
// the identified menu (42), the PIX QR code (50, 51, 52) and the steps of a
// newer library (an unknown command, a field type the station does not read).
#include "CapturaLog.h"
#include "CodigosDialogo.h"
#include "Erros.h"
#include "EstacaoRoteirizada.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "VendaTEF.h"

#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using namespace PassosRoteiro;
using Passo = TBibliotecaRoteirizada::Passo;

// Each test runs in the sale loop and in the administrative-function loop.
class TesteComandos : public testing::TestWithParam<bool>, protected TEstacaoRoteirizada {
protected:
    TVendaTEF Venda{Ambiente};

    bool NaVenda() const { return GetParam(); }

    void Executa(std::deque<Passo> Passos) {
        Biblioteca.Passos = std::move(Passos);
        try {
            if (NaVenda()) {
                Venda.ExecutaVendaTEF(999, Currency::DeCentavos(100), QDateTime::currentDateTime(),
                                      QDateTime::currentDateTime());
            } else {
                Modulo.ExecutaFuncaoTEF(110, 999, QString(), Currency(), false);
            }
        } catch (const EAbortoSilencioso&) {
            // The function's -1 to -5 end: its message was shown.
        }
    }
};

} // namespace

TEST_P(TesteComandos, CabecalhoMostradoERemovido) {
    Executa({Comando(15, "Parcela 1 de 3: R$ 10,00"), Comando(22, "Aviso"), Comando(16),
             Comando(15, "Outro"), Fim(5)});
    const QStringList Cabecalhos = Operador.Eventos.filter(QStringLiteral("cabecalho"));
    // Shown, removed, shown again, and removed when the function ends.
    EXPECT_EQ(Cabecalhos,
              (QStringList{QStringLiteral("cabecalho  Parcela 1 de 3: R$ 10,00"),
                           QStringLiteral("cabecalho "), QStringLiteral("cabecalho  Outro"),
                           QStringLiteral("cabecalho ")}));
    EXPECT_EQ(Biblioteca.Entregue(3).first, 0);
}

TEST_P(TesteComandos, CampoDaEstacaoMascaradoEMenuIdentificado) {
    Operador.FColeta.Respostas = {{QString(), QStringLiteral("s3gr3do")}};
    // The second menu's entry "0" is chosen: a code, sent on with 0.
    Operador.FMenu.Escolhas = {QStringLiteral("2"), QStringLiteral("=0")};
    Executa({Comando(29, "CNPJ", 2967),
             Comando(41, "C\xf3"
                         "digo de acesso"),
             Comando(42, "1:Conta;2:Poupan\xe7"
                         "a;"),
             Comando(21, "0:Cr\xe9"
                         "dito;999:Outros;"),
             Fim(5)});
    EXPECT_EQ(Biblioteca.Entregue(1), std::make_pair(0, QByteArray()));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("coleta  Código de acesso|6|1|19")));
    EXPECT_EQ(Biblioteca.Entregue(2), std::make_pair(0, QByteArray("s3gr3do")));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("menu | 1:Conta;2:Poupança;")));
    EXPECT_EQ(Biblioteca.Entregue(3), std::make_pair(0, QByteArray("2")));
    EXPECT_EQ(Biblioteca.Entregue(4), std::make_pair(0, QByteArray("0")));
}

TEST_P(TesteComandos, QRCodeMostradoComRodapeERemovido) {
    const QByteArray Pix = "00020126580014br.gov.bcb.pix0136123e4567";
    Executa({Comando(50, Pix, 584), Comando(52, "Aguardando o pagamento"), Comando(23), Comando(23),
             Comando(51), Comando(22, "Pago"), Fim(5)});
    EXPECT_EQ(Operador.Eventos.filter(QRegularExpression(QStringLiteral("^qrcode "))),
              QStringList{QStringLiteral("qrcode ") + QString::fromLatin1(Pix)});
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("rodape  Aguardando o pagamento")));
    EXPECT_EQ(Operador.Eventos.filter(QStringLiteral("remove qrcode")).size(), 1);
    // Waiting with the code shown asks nothing and goes on.
    EXPECT_EQ(Biblioteca.Entregue(3).first, 0);
    EXPECT_EQ(Biblioteca.Entregue(4).first, 0);
    EXPECT_TRUE(Operador.Eventos.filter(QStringLiteral("pergunta")).isEmpty());
    EXPECT_FALSE(Operador.FTela.QRCode);
}

TEST_P(TesteComandos, AbandonoNoQRCodeInterrompeNaEsperaERemoveOCodigo) {
    Operador.FTela.AbandonaNoQRCode = true;
    Executa({Comando(50, "PIX", 584), Comando(22, "Aviso"), Comando(23), Fim(-2)});
    // Not before the library waits: the notice still goes on with 0.
    EXPECT_EQ(Biblioteca.Entregue(2).first, 0);
    EXPECT_EQ(Biblioteca.Entregue(3).first, -1);
    EXPECT_FALSE(Operador.FTela.QRCode);
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("remove qrcode")));
}

TEST_P(TesteComandos, EsperaSemQRCodePerguntaNaQuadragesimaSetima) {
    std::deque<Passo> Passos(47, Comando(23));
    Passos.push_back(Fim(-2));
    Operador.Respostas = {2};
    Executa(Passos);
    EXPECT_EQ(Operador.Eventos.filter(QStringLiteral("Deseja interromper ?")).size(), 1);
    EXPECT_EQ(Biblioteca.Entregue(46).first, 0);
    EXPECT_EQ(Biblioteca.Entregue(47).first, -1);
}

// After a "back", a newer library's steps carrying a card number: each pair
// of codes warned about once, never the buffer; each goes on with 0 and the
// buffer as it came; 47 in a row ask as a long wait does.
TEST_P(TesteComandos, DesconhecidosAvisadosUmaVezSemOBufferEIgnorados) {
    const TCapturaLog Log("tefkimbro.tef.laco");
    const QByteArray Cartao = "4111111111111111";
    Operador.FColeta.Respostas = {{CodigosDialogo::CodigoVoltar, QString()}};
    Operador.Respostas = {2};
    std::deque<Passo> Passos(45, Campo(9999, Cartao));
    Passos.push_front(Comando(77, Cartao, 999));
    Passos.push_front(Comando(30, "Cart\xe3o", 512));
    Passos.insert(Passos.end(), {Comando(77, Cartao, 999), Fim(5)});
    Executa(Passos);
    EXPECT_EQ(Log.Linhas(),
              (QStringList{QStringLiteral("passo ignorado, comando 77 tipoCampo 999"),
                           QStringLiteral("passo ignorado, comando 0 tipoCampo 9999")}));
    EXPECT_EQ(Biblioteca.Entregue(1).first, 1);
    for (size_t I = 2; I < 48; ++I) {
        EXPECT_EQ(Biblioteca.Entregue(I), std::make_pair(0, Cartao));
    }
    EXPECT_EQ(Operador.Eventos.filter(QStringLiteral("Deseja interromper ?")).size(), 1);
    EXPECT_EQ(Biblioteca.Entregue(48), std::make_pair(-1, Cartao));
}

// A message after each of them is no progress: the 47th still asks.
TEST_P(TesteComandos, DesconhecidosEntreMensagensPerguntamComoEspera) {
    Operador.Respostas = {2};
    std::deque<Passo> Passos;
    for (int I = 0; I < 47; ++I) {
        Passos.insert(Passos.end(), {Campo(9999), Comando(2, "AGUARDE")});
    }
    Passos.push_back(Fim(-2));
    Executa(Passos);
    EXPECT_EQ(Operador.Eventos.filter(QStringLiteral("Deseja interromper ?")).size(), 1);
    EXPECT_EQ(Biblioteca.Entregue(92).first, 0);
    EXPECT_EQ(Biblioteca.Entregue(93).first, -1);
}

INSTANTIATE_TEST_SUITE_P(Lacos, TesteComandos, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& Info) {
                             return Info.param ? "Venda" : "Funcao";
                         });
