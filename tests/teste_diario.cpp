// The daily TEF log: its file, its masking, its retention, and that a log
// that cannot be written is reported, not fatal (what it keeps secret:
// teste_sigilo.cpp).
#include "DiarioTEF.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "PastaDeTrabalho.h"
#include "RegistroImpressao.h"
#include "TravaPasta.h"

#include <QDate>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

QString ArquivoDeHoje() {
    return QStringLiteral("log/tef-%1.log")
        .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
}

class TesteDiario : public testing::Test {
protected:
    TPastaDeTrabalho Pasta;
    ~TesteDiario() override { DiarioTEF::Encerra(); }
};

} // namespace

TEST(Mascara, CartoesESequenciasLongasGuardamOsQuatroUltimos) {
    using DiarioTEF::Mascara;
    const std::pair<const char*, const char*> Casos[] = {
        // Card numbers of 13 to 19 digits pass the check digit (Luhn).
        {"cartao 4111111111111111.", "cartao ************1111."},
        {"4222222222222", "*********2222"},
        {"36227206271667", "**********1667"},
        {"a5555444433332222111b", "a***************2111b"},
        {"4111111111111111 e 5555444433332222", "************1111 e 5555444433332222"},
        // As a card is printed or typed: single blanks, dots or dashes inside.
        {"4111 1111 1111 1111", "**** **** **** 1111"},
        {"5555.5555.5555.4444", "****.****.****.4444"},
        {"3782-822463-10005", "****-******-*0005"},
        {"4111 1111-1111.1111 ok", "**** ****-****.1111 ok"},
        // Failing the check: the date-time of field type 105, an NSU, a file
        // moved aside; shorter runs stay too, and two separators end a run.
        {"20261208235959", "20261208235959"},
        {"123456789012", "123456789012"},
        {"tefkimbro.db.danificado-20261210-101530", "tefkimbro.db.danificado-20261210-101530"},
        {"12345678901", "12345678901"},
        // Longer than a card number: a card with more after it, or a key.
        {"77777777777777777777", "****************7777"},
        {"4111 1111 1111 1111 1228", "**** **** **** **** 1228"},
        {"4111  1111 1111 1111", "4111  1111 1111 1111"},
        {"1234 5678, 9012 3456", "1234 5678, 9012 3456"},
        {"26/12/2026 23:59:59 R$ 1.234,56", "26/12/2026 23:59:59 R$ 1.234,56"},
    };
    for (const auto& [Texto, Esperado] : Casos) {
        EXPECT_EQ(Mascara(QString::fromUtf8(Texto)), QString::fromUtf8(Esperado)) << Texto;
    }
}

TEST_F(TesteDiario, LinhaComHoraAoMilissegundoNoArquivoDoDia) {
    DiarioTEF::Inicia(QDir::current(), 30);
    qCInfo(lcDiarioTEF).noquote() << "doc 7 resposta 4111111111111111";
    QLoggingCategory::setFilterRules(QStringLiteral("tefkimbro.*=false"));
    qCInfo(lcDiarioTEF).noquote() << "sempre ligado";
    QLoggingCategory::setFilterRules(QString());
    const QString Texto = QString::fromUtf8(Pasta.Le(ArquivoDeHoje()));
    const QStringList Linhas = Texto.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(Linhas.size(), 2);
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} doc 7 "
                                   "resposta \\*{12}1111$"))
                    .match(Linhas[0])
                    .hasMatch())
        << qPrintable(Linhas[0]);
    EXPECT_TRUE(Linhas[1].endsWith(QStringLiteral(" sempre ligado")));
    EXPECT_TRUE(DiarioTEF::Falha().isEmpty());
}

// Why a receipt did not print goes into the day's file with the calls of
// its payment.
TEST_F(TesteDiario, FalhaDeImpressaoVaiParaOArquivoDoDia) {
    DiarioTEF::Inicia(QDir::current(), 30);
    qCWarning(lcImpressao).noquote() << "queue recibos, job 7: sending the data failed: x";
    const QString Texto = QString::fromUtf8(Pasta.Le(ArquivoDeHoje()));
    EXPECT_TRUE(
        Texto.endsWith(QStringLiteral(" queue recibos, job 7: sending the data failed: x\n")))
        << qPrintable(Texto);
}

// Past the retention by date, and never one of the newest files: a clock set
// a year ahead leaves the last days' logs.
TEST_F(TesteDiario, ArquivosAlemDaRetencaoSaoRemovidosNoInicio) {
    const QDate Hoje = QDate::currentDate();
    const auto Nome = [&Hoje](int Dias) {
        return QStringLiteral("tef-%1.log").arg(Hoje.addDays(Dias).toString(u"yyyyMMdd"));
    };
    const struct {
        int Retencao;
        QList<int> Dias, Ficam;
    } Casos[] = {
        {30, {-31, -30, 0}, {-31, -30, 0}},
        {2, {-31, -30, -1, 0}, {-1, 0}},
        {2, {-400, -399, -398}, {-399, -398}},
    };
    for (const auto& Caso : Casos) {
        QDir(QStringLiteral("log")).removeRecursively();
        QDir().mkdir(QStringLiteral("log"));
        Pasta.Grava(QStringLiteral("log/outro.txt"), "x\n");
        for (const int Dia : Caso.Dias) {
            Pasta.Grava(QStringLiteral("log/") + Nome(Dia), "x\n");
        }
        DiarioTEF::Inicia(QDir::current(), Caso.Retencao);
        DiarioTEF::Encerra();
        QStringList Ficam{QStringLiteral("outro.txt")};
        for (const int Dia : Caso.Ficam) {
            Ficam.append(Nome(Dia));
        }
        EXPECT_EQ(QDir(QStringLiteral("log")).entryList(QDir::Files), Ficam) << Caso.Retencao;
    }
}

TEST_F(TesteDiario, LogQueNaoSeGravaEhRelatadoUmaVez) {
    Pasta.Grava(QStringLiteral("log"), "um arquivo onde a pasta deveria estar");
    DiarioTEF::Inicia(QDir::current(), 30);
    qCInfo(lcDiarioTEF) << "primeira";
    const QString Falha = DiarioTEF::Falha();
    EXPECT_TRUE(Falha.startsWith(QStringLiteral("Não foi possível"))) << qPrintable(Falha);
    qCInfo(lcDiarioTEF) << "segunda";
    EXPECT_EQ(DiarioTEF::Falha(), Falha);
}

// A day file that cannot be written says the system's own reason, which IT
// can act on.
TEST_F(TesteDiario, LogQueNaoSeGravaDizPorque) {
    ASSERT_TRUE(QDir().mkpath(ArquivoDeHoje())); // a folder in the file's place
    DiarioTEF::Inicia(QDir::current(), 30);
    qCInfo(lcDiarioTEF) << "linha";
    EXPECT_TRUE(DiarioTEF::Falha().endsWith(QString::fromLocal8Bit(std::strerror(EISDIR))))
        << qPrintable(DiarioTEF::Falha());
}

// The log folder, the day file, a working file and the lock are their
// user's only, whatever the umask.
TEST_F(TesteDiario, PastaEArquivosSoDoUsuarioComQualquerUmask) {
    const mode_t Anterior = ::umask(0);
    DiarioTEF::Inicia(QDir::current(), 30);
    qCInfo(lcDiarioTEF) << "linha";
    ProximaSequencia();
    const TTravaPasta Trava;
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    Livro.Aviso(); // made when it opens, at its first use
    ::umask(Anterior);
    ASSERT_TRUE(Trava.Obtida());
    const std::pair<QString, mode_t> Esperados[] = {
        {QStringLiteral("log"), 0700},
        {ArquivoDeHoje(), 0600},
        {ArquivoSequencia, 0600},
        {QString::fromLatin1(TTravaPasta::NomePadrao), 0600},
        {TLivroTransacoes::NomePadrao, 0600},
    };
    for (const auto& [Caminho, Modo] : Esperados) {
        struct stat Estado {};
        ASSERT_EQ(::stat(QFile::encodeName(Caminho).constData(), &Estado), 0)
            << qPrintable(Caminho);
        EXPECT_EQ(Estado.st_mode & 07777, Modo) << qPrintable(Caminho);
    }
}
