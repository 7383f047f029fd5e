#include "Diario.h"
#include "Erros.h"
#include "EstacaoRoteirizada.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FAT_DM_TEF_OFFLINE.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList Impressao(const QStringList& Cupom, int Vias = 1) {
    return LinhasDeImpressao(TNStringList(Cupom), Vias).Itens();
}

const QString Nota = QStringLiteral("    NOTA  PROMISSORIA");
const QString FimNota = QStringLiteral("ANOTE TELEFONE E ENDERECO NO VERSO");

class TesteCupom : public testing::Test, protected TEstacaoRoteirizada {
protected:
    TesteCupom() {
        qputenv("CLISITEF_SIM_DIARIO", Pasta.Caminho(QStringLiteral("diario.jsonl")).toLocal8Bit());
        Interface.Confirma = false;
    }
    ~TesteCupom() override { qunsetenv("CLISITEF_SIM_DIARIO"); }
};

} // namespace

TEST(LinhasDeImpressao, CopiaSimplesEFiltradaDaNotaPromissoria) {
    EXPECT_EQ(Impressao({"a", "", "b"}), (QStringList{"a", "", "b"}));
    EXPECT_EQ(Impressao({"a", "b"}, 2), (QStringList{"a", "b", "a", "b"}));
    // The block from the note's title through its closing line is left out;
    // an empty line of a filtered copy prints as one blank.
    EXPECT_EQ(Impressao({"a", "", Nota, "devo e pagarei", FimNota, "c"}),
              (QStringList{"a", " ", "c"}));
    // A note after "(SiTef)" is printed whole, and so is a second note.
    EXPECT_EQ(Impressao({"(SiTef) x", Nota, FimNota}), (QStringList{"(SiTef) x", Nota, FimNota}));
    EXPECT_EQ(Impressao({Nota, FimNota, Nota, "y"}), (QStringList{Nota, "y"}));
    // Without its closing line, everything after the note's title is left out.
    EXPECT_EQ(Impressao({"a", Nota, "b", "c"}), QStringList{"a"});
    // The markers are case-sensitive.
    EXPECT_EQ(Impressao({"    nota  promissoria", "x"}),
              (QStringList{"    nota  promissoria", "x"}));
}

TEST_F(TesteCupom, EntradasViramLinhasEORelatorioRoda) {
    DM_CAIXA_VAREJO.NumeroVias = 2;
    TNStringList Cupom(
        {QStringLiteral("VIA DO CLIENTE\nCARTÃO ****1111"), QStringLiteral("R$ 12,34")});
    EXPECT_TRUE(Modulo.ImprimeCupomTEF(Cupom));
    EXPECT_EQ(Cupom.Itens(),
              (QStringList{"VIA DO CLIENTE", QStringLiteral("CARTÃO ****1111"), "R$ 12,34"}));
    EXPECT_EQ(Pasta.Le(ArquivoCupomTEF),
              QByteArray("VIA DO CLIENTE\nCART\xc3O ****1111\r\nR$ 12,34\r\n"));
    EXPECT_EQ(Modulo.Str_Impressao.Count(), 6);
    EXPECT_EQ(Operador.Eventos.front(), QStringLiteral("aguarde Imprimindo Cupom TEF..."));
    EXPECT_TRUE(Operador.Eventos.contains(QStringLiteral("fim aguarde")));
    // Six lines of 42 columns fit one page; the dialog was cancelled.
    EXPECT_TRUE(Interface.Eventos.contains(QStringLiteral("dialogo 1 pagina(s)")));
    EXPECT_EQ(Modulo.UltimaImpressao, TResultadoImpressao::Cancelado);
    EXPECT_EQ(Chamadas(LeDiario(Pasta.Caminho(QStringLiteral("diario.jsonl"))),
                       QStringLiteral("Bematech_FI_FinalizaModoTEF"))
                  .size(),
              1);
}

TEST_F(TesteCupom, CupomVazioAindaRodaORelatorio) {
    TNStringList Vazio;
    EXPECT_TRUE(Modulo.ImprimeCupomTEF(Vazio));
    EXPECT_EQ(Pasta.Le(ArquivoCupomTEF), QByteArray());
    EXPECT_EQ(Modulo.Str_Impressao.Count(), 0);
    EXPECT_TRUE(Interface.Eventos.contains(QStringLiteral("dialogo 1 pagina(s)")));
}

TEST_F(TesteCupom, TefTxtQueNaoSeGravaLevantaDepoisDaLimpeza) {
    QDir().mkdir(ArquivoCupomTEF); // a folder where the file should be
    Modulo.Str_Impressao = TNStringList({QStringLiteral("recibo anterior")});
    TNStringList Cupom({QStringLiteral("novo")});
    EXPECT_THROW(Modulo.ImprimeCupomTEF(Cupom), EErroGravacao);
    EXPECT_EQ(Operador.Eventos.last(), QStringLiteral("fim aguarde"));
    // The previous customer's receipt is never offered: no report runs.
    EXPECT_TRUE(Interface.Eventos.isEmpty());
    EXPECT_TRUE(Modulo.Str_Impressao.Itens().isEmpty());
    EXPECT_EQ(Modulo.UltimaImpressao, TResultadoImpressao::Falhou);
}
