#include "ArquivoAtomico.h"
#include "ArquivoPerfil.h"
#include "Currency.h"
#include "Erros.h"
#include "PastaDeTrabalho.h"
#include "TNStringList.h"
#include "TravaPasta.h"
#include "Win1252.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QStringList Itens(const QString& Texto) {
    TNStringList Lista;
    Lista.SetText(Texto);
    return Lista.Itens();
}

} // namespace

TEST(TNStringList, TextoTerminaCadaEntradaComCrLfEPreservaQuebrasInternas) {
    const TNStringList Lista(QStringList{QStringLiteral("a"), QStringLiteral("b\nc"), QString()});
    EXPECT_EQ(Lista.Text(), QStringLiteral("a\r\nb\nc\r\n\r\n"));
    EXPECT_EQ(TNStringList().Text(), QString());
}

TEST(TNStringList, TextoDivideEmCrLfCrOuLfSemEntradaVaziaNoFim) {
    EXPECT_EQ(Itens(QStringLiteral("a\r\nb\rc\nd")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(Itens(QStringLiteral("a\r\n")), QStringList{"a"});
    EXPECT_EQ(Itens(QStringLiteral("a\n\rb")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(Itens(QStringLiteral("\r\n\r\n")), (QStringList{"", ""}));
    EXPECT_TRUE(Itens(QString()).isEmpty());
}

TEST(TNStringList, ArquivoEmWindows1252IdaEVolta) {
    TPastaDeTrabalho Pasta;
    const TNStringList Original(QStringList{QStringLiteral("Transação aprovada"),
                                            QStringLiteral("  CRÉDITO À VISTA  "), QString(),
                                            QStringLiteral("€ 12,34")});
    Original.SaveToFile(QStringLiteral("lista.txt"));

    EXPECT_EQ(Pasta.Le(QStringLiteral("lista.txt")),
              QByteArray("Transa\xe7\xe3o aprovada\r\n  CR\xc9"
                         "DITO \xc0 VISTA  \r\n\r\n\x80 12,34\r\n"));
    TNStringList Lida;
    Lida.LoadFromFile(QStringLiteral("lista.txt"));
    EXPECT_EQ(Lida, Original);
}

TEST(TNStringList, ArquivoComQuebrasMistasCarregaUmaEntradaPorLinha) {
    TPastaDeTrabalho Pasta;
    Pasta.Grava(QStringLiteral("mista.txt"), QByteArray("um\rdois\ntr\xeas\r\n"));
    TNStringList Lista;
    Lista.LoadFromFile(QStringLiteral("mista.txt"));
    EXPECT_EQ(Lista.Itens(), (QStringList{"um", "dois", QStringLiteral("três")}));
}

TEST(TNStringList, ArquivoInexistenteLevantaErroComONome) {
    TPastaDeTrabalho Pasta;
    TNStringList Lista;
    try {
        Lista.LoadFromFile(QStringLiteral("nao_existe.txt"));
        FAIL() << "no error raised";
    } catch (const EErroArquivo& Erro) {
        EXPECT_TRUE(Erro.Mensagem().contains(QStringLiteral("nao_existe.txt")));
    }
}

TEST(Win1252, CaractereSemByteViraInterrogacaoNuncaByteDeControle) {
    VerificaCodificacaoWin1252();
    const QByteArray Bytes = ParaWin1252(QStringLiteral("a中ç€😀\u0001"));
    EXPECT_EQ(Bytes, QByteArray("a?\xe7\x80?\x01"));
    EXPECT_EQ(DeWin1252(QByteArray("N\xe3o \x80")), QStringLiteral("Não €"));
}

// Either encoding is read as such and written back in it, the untouched
// bytes as they were; a character it cannot hold is refused, the file kept.
TEST(TArquivoPerfil, LeEGravaNaCodificacaoDoArquivo) {
    VerificaCodificacaoWin1252();
    const struct {
        QByteArray Antes;
        QString Senha;
        QByteArray Depois; // empty: refused
    } Casos[] = {
        {"; Linux\r\n[conf_tef]\r\nIDENT_EMPRESA=Padaria S\xc3\xa3o Jo\xc3\xa3o\r\nSENHA_TEF = "
         "x\r\n",
         QStringLiteral("ç中"),
         "; Linux\r\n[conf_tef]\r\nIDENT_EMPRESA=Padaria S\xc3\xa3o Jo\xc3\xa3o\r\nSENHA_TEF = "
         "\xc3\xa7\xe4\xb8\xad\r\n"},
        {"[CONF_TEF]\nIDENT_EMPRESA=Padaria S\xe3o Jo\xe3o\n\n[OUTRA]\nA=1\n", QStringLiteral("ç€"),
         "[CONF_TEF]\nIDENT_EMPRESA=Padaria S\xe3o Jo\xe3o\nSENHA_TEF = "
         "\xe7\x80\n\n[OUTRA]\nA=1\n"},
        {"[CONF_TEF]\nIDENT_EMPRESA=Padaria S\xe3o Jo\xe3o\n", QStringLiteral("ç中"), {}},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Antes.toStdString());
        QTemporaryDir Pasta;
        const QString Caminho = Pasta.filePath(QStringLiteral("Tef_kimbro.Ini"));
        QFile Arquivo(Caminho);
        ASSERT_TRUE(Arquivo.open(QIODevice::WriteOnly));
        Arquivo.write(Caso.Antes);
        Arquivo.close();
        TArquivoPerfil Perfil(Caminho);
        EXPECT_EQ(Perfil.LeTexto(QStringLiteral("CONF_TEF"), QStringLiteral("IDENT_EMPRESA"), {}),
                  QStringLiteral("Padaria São João"));
        const auto Grava = [&] {
            Perfil.GravaTexto(QStringLiteral("CONF_TEF"), QStringLiteral("SENHA_TEF"), Caso.Senha);
        };
        if (Caso.Depois.isEmpty()) {
            EXPECT_EQ(Perfil.CaracteresRecusados(Caso.Senha), QStringLiteral("中"));
            EXPECT_THROW(Grava(), EErro);
        } else {
            Grava();
            EXPECT_EQ(Perfil.LeTexto(QStringLiteral("CONF_TEF"), QStringLiteral("SENHA_TEF"), {}),
                      Caso.Senha);
        }
        ASSERT_TRUE(Arquivo.open(QIODevice::ReadOnly));
        EXPECT_EQ(Arquivo.readAll(), Caso.Depois.isEmpty() ? Caso.Antes : Caso.Depois);
    }
}

TEST(Currency, FormataComoPrintfComOSeparadorDado) {
    EXPECT_EQ(Currency().Formata(13, 2, u','), QStringLiteral("         0,00"));
    EXPECT_EQ(Currency::DeCentavos(1234).Formata(13, 2, u','), QStringLiteral("        12,34"));
    EXPECT_EQ(Currency::DeCentavos(-1234).Formata(13, 2, u'.'), QStringLiteral("       -12.34"));
    // Half away from zero at the third decimal.
    EXPECT_EQ(Currency::DeBruto(12350).Formata(0, 2, u','), QStringLiteral("1,24"));
    EXPECT_EQ(Currency::DeBruto(12349).Formata(0, 2, u','), QStringLiteral("1,23"));
    EXPECT_EQ(Currency::DeBruto(-12350).Formata(0, 2, u','), QStringLiteral("-1,24"));
    EXPECT_EQ(Currency::DeBruto(-49).Formata(0, 2, u','), QStringLiteral("0,00"));
    // Wider than the field: nothing is cut.
    EXPECT_EQ(Currency::DeBruto(INT64_MAX).Formata(13, 2, u','),
              QStringLiteral("922337203685477,58"));
    EXPECT_EQ(Currency::DeBruto(INT64_MIN).Formata(13, 4, u','),
              QStringLiteral("-922337203685477,5808"));
}

TEST(Currency, ValorTEFUsaOSeparadorDaRegiao) {
    const QLocale Anterior;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    EXPECT_EQ(FormataValorTEF(Currency()), QStringLiteral("         0,00"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(FormataValorTEF(Currency::DeCentavos(150)), QStringLiteral("         1.50"));
    QLocale::setDefault(Anterior);
}

TEST(Currency, LeTextoComSeparadoresEArredonda) {
    const auto Le = [](const char* Texto) {
        return Currency::DeTexto(QString::fromUtf8(Texto), u',', u'.');
    };
    EXPECT_EQ(Le("1.234,50"), Currency::DeCentavos(123450));
    EXPECT_EQ(Le(" -0,5 "), Currency::DeCentavos(-50));
    EXPECT_EQ(Le(""), Currency());
    EXPECT_EQ(Le("-"), Currency());
    EXPECT_EQ(Le(",99995"), Currency::DeBruto(10000));
    EXPECT_EQ(Le("9,99995"), Currency::DeBruto(100000));
    EXPECT_EQ(Le("12a"), std::nullopt);
    EXPECT_EQ(Le("1,2,3"), std::nullopt);
    EXPECT_EQ(Le("99999999999999999999"), std::nullopt);
}

TEST(ArquivoAtomico, SubstituiOConteudoMantendoAsPermissoes) {
    TPastaDeTrabalho Pasta;
    GravaArquivoAtomico(QStringLiteral("a.txt"), "velho", 0640);
    GravaArquivoAtomico(QStringLiteral("a.txt"), "novo");
    EXPECT_EQ(Pasta.Le(QStringLiteral("a.txt")), QByteArray("novo"));
    struct stat Estado {};
    ASSERT_EQ(::stat("a.txt", &Estado), 0);
    EXPECT_EQ(Estado.st_mode & 0777, 0640u);
    EXPECT_EQ(Pasta.Arquivos(), QStringList{"a.txt"});
}

TEST(ArquivoAtomico, PastaInexistenteLevantaErroDeGravacao) {
    TPastaDeTrabalho Pasta;
    EXPECT_THROW(GravaArquivoAtomico(QStringLiteral("nao/existe.txt"), "x"), EErroGravacao);
}

TEST(TTravaPasta, SoOPrimeiroObtemEnquantoVive) {
    TPastaDeTrabalho Pasta;
    {
        const TTravaPasta Primeira;
        ASSERT_TRUE(Primeira.Obtida());
        EXPECT_FALSE(TTravaPasta().Obtida());
        struct stat Estado {};
        ASSERT_EQ(::stat("tefkimbro.lock", &Estado), 0);
        EXPECT_EQ(Estado.st_mode & 077, 0u);
    }
    EXPECT_TRUE(TTravaPasta().Obtida());
    EXPECT_FALSE(TTravaPasta(Pasta.Caminho(QStringLiteral("sem/pasta.lock"))).Obtida());
}
