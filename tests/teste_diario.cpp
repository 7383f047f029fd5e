// The daily TEF log: its file, its masking, its retention, that a log that
// cannot be written is reported, not fatal, and that nothing secret leaves
// the station through it or through standard error.
#include "../sim/Texto.h"
#include "CliSiTef.h"
#include "Diario.h"
#include "DiarioTEF.h"
#include "LacoTEF.h"
#include "OperadorRoteirizado.h"
#include "PastaDeTrabalho.h"
#include "RegistroImpressao.h"
#include "TravaPasta.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

using namespace Qt::StringLiterals;

// Standard error goes to a file while it lives.
class TCapturaErro {
public:
    explicit TCapturaErro(const QString& Arquivo) : FSalvo(::dup(STDERR_FILENO)) {
        std::fflush(stderr);
        const int Destino = ::open(QFile::encodeName(Arquivo).constData(),
                                   O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ::dup2(Destino, STDERR_FILENO);
        ::close(Destino);
    }
    ~TCapturaErro() {
        std::fflush(stderr);
        ::dup2(FSalvo, STDERR_FILENO);
        ::close(FSalvo);
    }
    TCapturaErro(const TCapturaErro&) = delete;
    TCapturaErro& operator=(const TCapturaErro&) = delete;

private:
    int FSalvo;
};

// One library command, what the operator types for it (nothing: no
// collection), what must show in the day file and on standard error and
// what must never.
struct TCasoSigilo {
    int Comando;
    int TipoCampo;
    QString Texto;
    QString Digitado;
    QString Registrado;
    QStringList Segredos;
};

std::vector<TCasoSigilo> CasosSigilo() {
    const QString Resposta = u"resposta \"<dado sigiloso omitido>\""_s;
    const QString Texto = u"texto \"<dado sigiloso omitido>\""_s;
    const QString Pix = u"00020126360014br.gov.bcb.pix0114+55119999999995204000053039865802BR"_s;
    const QString Chave = u"br.gov.bcb.pix"_s;
    std::vector<TCasoSigilo> Casos = {
        {41, 0, u"Código"_s, u"7391"_s, Resposta, {u"7391"_s}},
        {41, -1, u"Código"_s, u"7391"_s, Resposta, {u"7391"_s}},
        {50, 584, Pix, {}, Texto, {Chave}},
        {50, -1, Pix, {}, Texto, {Chave}},
        {0, 584, Pix, {}, Texto, {Chave}},
        {777,
         5,
         u"conteúdo reservado"_s,
         {},
         u"777 tipoCampo 5 min 0 max 19 "_s + Texto,
         {u"reservado"_s}},
        {22,
         -1,
         u"Cartão 4111 1111 1111 1111, 5555.5555.5555.4444 ou 3782-822463-10005"_s,
         {},
         u"Cartão **** **** **** 1111, ****.****.****.4444 ou ****-******-*0005"_s,
         {u"4111 1111 1111"_s, u"5555.5555.5555"_s, u"3782-822463-1"_s}},
        // Not secret: still logged.
        {34, -1, u"Valor"_s, u"56,78"_s, u"resposta \"56,78\""_s, {}},
    };
    // The supervisor password (typed masked), card number, expiry, security
    // code and the other fields of the range, collected by command 30.
    for (int TipoCampo = 500; TipoCampo <= 514; ++TipoCampo) {
        Casos.push_back({30, TipoCampo, u"Campo"_s, u"5827"_s, Resposta, {u"5827"_s}});
    }
    return Casos;
}

// The administrative loop on the real binding, the simulator playing the
// one command of a case, with every debug category on.
class TesteSigilo : public TesteDiario {
protected:
    TesteSigilo() {
        ::setenv("CLISITEF_SIM_DIARIO",
                 Pasta.Caminho(QStringLiteral("sim.jsonl")).toLocal8Bit().constData(), 1);
    }
    ~TesteSigilo() override {
        ::unsetenv("CLISITEF_SIM_DIARIO");
        ::unsetenv("CLISITEF_SIM_ROTEIRO");
    }

    void Executa(const TCasoSigilo& Caso) {
        const QJsonObject Passo{{QStringLiteral("comando"), Caso.Comando},
                                {QStringLiteral("tipoCampo"), Caso.TipoCampo},
                                {QStringLiteral("max"), 19},
                                {QStringLiteral("texto"), Caso.Texto}};
        const QJsonObject Funcao{{QStringLiteral("passos"), QJsonArray{Passo}},
                                 {QStringLiteral("resultado"), 0}};
        Pasta.Grava(QStringLiteral("roteiro.json"),
                    QJsonDocument(QJsonObject{{QStringLiteral("funcoes"),
                                               QJsonObject{{QStringLiteral("110"), Funcao}}}})
                        .toJson());
        ::setenv("CLISITEF_SIM_ROTEIRO",
                 Pasta.Caminho(QStringLiteral("roteiro.json")).toLocal8Bit().constData(), 1);

        TCliSiTef CliSiTef;
        ASSERT_TRUE(CliSiTef.Carregada());
        TOperadorRoteirizado Operador;
        if (!Caso.Digitado.isEmpty()) {
            Operador.FColeta.Respostas = {{QStringLiteral("1"), Caso.Digitado}};
        }
        TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
        TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
        TNStringList Comprovante;
        DiarioTEF::Inicia(QDir::current(), 30);
        QLoggingCategory::setFilterRules(QStringLiteral("tefkimbro.*.debug=true"));
        {
            const TCapturaErro Captura(Pasta.Caminho(QStringLiteral("stderr.txt")));
            ASSERT_EQ(CliSiTef.IniciaFuncaoSiTefInterativo(
                          110, QStringLiteral("0,00"), QStringLiteral("1"),
                          QStringLiteral("20260102"), QStringLiteral("030405"),
                          QStringLiteral("999"), std::nullopt),
                      10000);
            EXPECT_EQ(TLacoTEF(Ambiente, RegrasFuncao, QDateTime::currentDateTime(), Comprovante)
                          .Executa(),
                      0);
        }
        QLoggingCategory::setFilterRules(QString());
        DiarioTEF::Encerra();
    }
};

} // namespace

TEST_F(TesteSigilo, NadaSigilosoNoLogNemNoErroPadrao) {
    for (const TCasoSigilo& Caso : CasosSigilo()) {
        SCOPED_TRACE(
            u"comando %1 tipoCampo %2"_s.arg(Caso.Comando).arg(Caso.TipoCampo).toStdString());
        QFile::remove(Pasta.Caminho(ArquivoDeHoje()));
        QFile::remove(Pasta.Caminho(QStringLiteral("sim.jsonl")));
        Executa(Caso);
        // What the library was handed back: the operator's reply, or its own
        // text when the command needs none, as the simulator's journal masks it.
        const QList<QJsonObject> Continuacoes =
            Chamadas(LeDiario(Pasta.Caminho(QStringLiteral("sim.jsonl"))),
                     QStringLiteral("ContinuaFuncaoSiTefInterativo"));
        ASSERT_EQ(Continuacoes.size(), 2);
        EXPECT_EQ(Continuacoes[1][QStringLiteral("buffer")].toString(),
                  QString::fromStdString(sim::MascaraCartao(
                      (Caso.Digitado.isEmpty() ? Caso.Texto : Caso.Digitado).toStdString())));

        const QString Log = QString::fromUtf8(Pasta.Le(ArquivoDeHoje()));
        const QString Erro = QString::fromUtf8(Pasta.Le(QStringLiteral("stderr.txt")));
        for (const auto& [Saida, Texto] : {std::pair{"log", &Log}, std::pair{"stderr", &Erro}}) {
            EXPECT_TRUE(Texto->contains(Caso.Registrado))
                << Saida << " lacks " << qPrintable(Caso.Registrado) << ":\n"
                << qPrintable(*Texto);
            for (const QString& Segredo : Caso.Segredos) {
                EXPECT_FALSE(Texto->contains(Segredo))
                    << Saida << " holds " << qPrintable(Segredo) << ":\n"
                    << qPrintable(*Texto);
            }
            // A command that needs no reply has none logged.
            EXPECT_EQ(Texto->contains(QStringLiteral("resposta")), !Caso.Digitado.isEmpty())
                << Saida << ":\n"
                << qPrintable(*Texto);
        }
    }
}
