// Nothing secret leaves the station through the daily TEF log or through
// standard error: the administrative loop on the real binding, the
// simulator playing one command at a time.
#include "../sim/Texto.h"
#include "CliSiTef.h"
#include "Diario.h"
#include "DiarioTEF.h"
#include "LacoTEF.h"
#include "OperadorRoteirizado.h"
#include "PastaDeTrabalho.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

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
class TesteSigilo : public testing::Test {
protected:
    TPastaDeTrabalho Pasta;
    const QString ArquivoDeHoje =
        QStringLiteral("log/tef-%1.log").arg(QDate::currentDate().toString(u"yyyyMMdd"));

    TesteSigilo() {
        ::setenv("CLISITEF_SIM_DIARIO",
                 Pasta.Caminho(QStringLiteral("sim.jsonl")).toLocal8Bit().constData(), 1);
    }
    ~TesteSigilo() override {
        ::unsetenv("CLISITEF_SIM_DIARIO");
        ::unsetenv("CLISITEF_SIM_ROTEIRO");
        DiarioTEF::Encerra();
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
        QFile::remove(Pasta.Caminho(ArquivoDeHoje));
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

        const QString Log = QString::fromUtf8(Pasta.Le(ArquivoDeHoje));
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
