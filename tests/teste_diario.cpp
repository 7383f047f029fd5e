// The daily TEF log: its file, its masking, its retention, and that a log
// that cannot be written is reported, not fatal.
#include "DiarioTEF.h"
#include "PastaDeTrabalho.h"

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

TEST(Mascara, SequenciasDeDozeOuMaisDigitosGuardamOsQuatroUltimos) {
    using DiarioTEF::Mascara;
    const std::pair<const char*, const char*> Casos[] = {
        {"cartao 4111111111111111.", "cartao ************1111."},
        {"1234567890123", "*********0123"},
        {"a5555444433332222111b", "a***************2111b"},
        {"4111111111111111 e 5555444433332222", "************1111 e ************2222"},
        // As a card is printed or typed: single blanks, dots or dashes inside.
        {"4111 1111 1111 1111", "**** **** **** 1111"},
        {"5555.4444.3333.2222", "****.****.****.2222"},
        {"3782-822463-10005", "****-******-*0005"},
        {"4111 1111-1111.1111 ok", "**** ****-****.1111 ok"},
        // The date-time of field type 105 is a run of 14.
        {"20261208235959", "**********5959"},
        {"123456789012", "********9012"},
        // Shorter and longer unbroken runs are no card numbers: document
        // numbers, dates, amounts, bar codes stay readable; two separators
        // end a run.
        {"12345678901", "12345678901"},
        {"77777777777777777777", "77777777777777777777"},
        // Broken, a longer run may be a card number with more after it.
        {"4111 1111 1111 1111 1228", "**** **** **** **** 1228"},
        {"4111  1111 1111 1111", "4111  **** **** 1111"},
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
