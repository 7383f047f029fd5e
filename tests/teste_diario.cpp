// The daily TEF log: its file, its masking, its retention, and that a log
// that cannot be written is reported, not fatal.
#include "DiarioTEF.h"
#include "PastaDeTrabalho.h"
#include "RegistroImpressao.h"

#include <QDate>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

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

TEST(Mascara, SoSequenciasDeTrezeADezenoveDigitosGuardandoOsQuatroUltimos) {
    using DiarioTEF::Mascara;
    EXPECT_EQ(Mascara(QStringLiteral("cartao 4111111111111111.")),
              QStringLiteral("cartao ************1111."));
    EXPECT_EQ(Mascara(QStringLiteral("1234567890123")), QStringLiteral("*********0123"));
    EXPECT_EQ(Mascara(QStringLiteral("a5555444433332222111b")),
              QStringLiteral("a***************2111b"));
    // Shorter and longer runs are no card numbers: document numbers, dates,
    // bar codes stay readable.
    EXPECT_EQ(Mascara(QStringLiteral("20261208235959")), QStringLiteral("**********5959"));
    EXPECT_EQ(Mascara(QStringLiteral("123456789012")), QStringLiteral("123456789012"));
    EXPECT_EQ(Mascara(QString(20, u'7')), QString(20, u'7'));
    EXPECT_EQ(Mascara(QStringLiteral("4111111111111111 e 5555444433332222")),
              QStringLiteral("************1111 e ************2222"));
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

TEST_F(TesteDiario, ArquivosAlemDaRetencaoSaoRemovidosNoInicio) {
    QDir().mkdir(QStringLiteral("log"));
    const QDate Hoje = QDate::currentDate();
    const auto Nome = [](const QDate& Dia) {
        return QStringLiteral("log/tef-%1.log").arg(Dia.toString(QStringLiteral("yyyyMMdd")));
    };
    for (const QString& Arquivo : {Nome(Hoje.addDays(-31)), Nome(Hoje.addDays(-30)), Nome(Hoje),
                                   QStringLiteral("log/outro.txt")}) {
        Pasta.Grava(Arquivo, "x\n");
    }
    DiarioTEF::Inicia(QDir::current(), 30);
    EXPECT_EQ(
        QDir(QStringLiteral("log")).entryList(QDir::Files),
        (QStringList{QStringLiteral("outro.txt"), QFileInfo(Nome(Hoje.addDays(-30))).fileName(),
                     QFileInfo(Nome(Hoje)).fileName()}));
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
