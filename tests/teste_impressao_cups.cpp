// The report engine against a real private CUPS scheduler (started by the
// test fixture): the bytes that reach the queue, compared exactly.
#include "CapturaLog.h"
#include "InterfaceRelatorioRoteirizada.h"
#include "NReport.h"
#include "PastaDeTrabalho.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cups/cups.h>
#include <gtest/gtest.h>

namespace {

// The scheduler's socket, as the fixture gave it.
const QByteArray ServidorCups = qgetenv("CUPS_SERVER");

// The folder where the queue's backend writes the jobs, beside the socket.
QString PastaSaida() {
    return QFileInfo(QString::fromLocal8Bit(ServidorCups)).dir().filePath(QStringLiteral("saida"));
}

// The next job file the queue's backend writes.
QByteArray ProximoTrabalho(const QStringList& Antes) {
    QElapsedTimer Tempo;
    Tempo.start();
    while (Tempo.elapsed() < 10000) {
        const QStringList Agora =
            QDir(PastaSaida()).entryList({QStringLiteral("job-*.prn")}, QDir::Files);
        for (const QString& Nome : Agora) {
            if (!Antes.contains(Nome)) {
                QFile Arquivo(QDir(PastaSaida()).filePath(Nome));
                Arquivo.open(QIODevice::ReadOnly);
                return Arquivo.readAll();
            }
        }
        QThread::msleep(20);
    }
    ADD_FAILURE() << "no job reached the queue";
    return QByteArray();
}

QStringList TrabalhosExistentes() {
    return QDir(PastaSaida()).entryList({QStringLiteral("job-*.prn")}, QDir::Files);
}

class TesteImpressaoCups : public testing::Test {
protected:
    TPastaDeTrabalho Pasta;
    TInterfaceRelatorioRoteirizada Interface;
    TNTextReport Recibo{&Interface};

    TesteImpressaoCups() {
        cupsSetServer(nullptr);
        ListaImpressoras::Reinicia();
        Recibo.Columns = 42;
        Recibo.PrintMode = pmCondensed;
        Recibo.DefaultHeader = false;
        Recibo.PrintTarget = ptDialog;
        Recibo.DocumentName = QStringLiteral("Cupom TEF");
        Recibo.OnPrintDetail = [](TNTextReport& R) {
            for (const QString& Linha :
                 {QStringLiteral("VIA DO CLIENTE"), QStringLiteral("CARTÃO ****1111"), QString(),
                  QStringLiteral("VALOR R$ 12,34")}) {
                R.PrintText(R.CurrentLine() + 1, 1, Linha, 0);
            }
        };
        Interface.Escolha.PrinterInfo.Device = QStringLiteral("recibos");
        Interface.Escolha.Copies = 1;
    }
};

const QByteArray DocumentoRecibo = QByteArray("\r\n VIA DO CLIENTE") + QByteArray(43 - 15, ' ') +
                                   "\r\n CART\xc3O ****1111" + QByteArray(43 - 16, ' ') +
                                   "\r\n\r\n VALOR R$ 12,34\x0c\r\n";

} // namespace

TEST_F(TesteImpressaoCups, ListaDeImpressorasDoServidorPrivado) {
    ASSERT_TRUE(ListaImpressoras::ImpressorasPresentes());
    EXPECT_EQ(ListaImpressoras::NomesImpressoras(), QStringList{QStringLiteral("recibos")});
    TPrinterInfo Info;
    ASSERT_TRUE(ListaImpressoras::ConfiguracaoPadrao(Info));
    EXPECT_EQ(Info.Device, QStringLiteral("recibos"));
    EXPECT_TRUE(Info.Port.startsWith(QStringLiteral("arquivo:")));
}

TEST_F(TesteImpressaoCups, ReciboBrutoComecaPelosCodigosETodasAsCopiasNumTrabalho) {
    for (const bool PorCaractere : {false, true}) {
        Recibo.EnvioPorCaractere = PorCaractere;
        Interface.Escolha.Copies = 2;
        const QStringList Antes = TrabalhosExistentes();
        EXPECT_EQ(Recibo.Execute(), TResultadoImpressao::Enviado);
        const QByteArray Copia = QByteArray("\x0f\x1b\x32") + DocumentoRecibo;
        EXPECT_EQ(ProximoTrabalho(Antes), Copia + Copia);
        EXPECT_EQ(TrabalhosExistentes().size(), Antes.size() + 1);
        EXPECT_FALSE(QFile::exists(Recibo.ArquivoSpool()));
        EXPECT_TRUE(
            Interface.Eventos.contains(QStringLiteral("aguarde Enviando 2 cópia(s) em recibos")));
    }
}

// The cashier reads the fixed message; the log says which queue and what
// CUPS answered.
TEST_F(TesteImpressaoCups, FilaInexistenteFalhaComAMensagemEOMotivoNoLog) {
    Interface.Escolha.PrinterInfo.Device = QStringLiteral("nao-existe");
    const TCapturaLog Log("tefkimbro.impressao");
    EXPECT_EQ(Recibo.Execute(), TResultadoImpressao::Falhou);
    EXPECT_EQ(Interface.Eventos.last(),
              QStringLiteral("erro Não foi possivel enviar dados para o dispositivo de saida."));
    EXPECT_EQ(Log.Com({QStringLiteral("queue nao-existe: finding the queue failed: "),
                       QString::fromUtf8(cupsLastErrorString())})
                  .size(),
              1)
        << qPrintable(Log.Linhas().join(u'\n'));
    TRawPrinter Impressora;
    EXPECT_FALSE(Impressora.Open(QStringLiteral("nao-existe"), QString(), QStringLiteral("x")));
    EXPECT_FALSE(Impressora.Aberto());
    EXPECT_FALSE(Impressora.Write("x"));
}

TEST_F(TesteImpressaoCups, ArquivoRecebeAsCopiasECancelarNaoEnviaNada) {
    Interface.ImprimeEmArquivo(Pasta.Caminho(QStringLiteral("recibo.prn")), 2);
    EXPECT_EQ(Recibo.Execute(), TResultadoImpressao::Enviado);
    EXPECT_EQ(Pasta.Le(QStringLiteral("recibo.prn")), DocumentoRecibo + DocumentoRecibo);

    Interface.Confirma = false;
    const QStringList Antes = TrabalhosExistentes();
    EXPECT_EQ(Recibo.Execute(), TResultadoImpressao::Cancelado);
    EXPECT_EQ(TrabalhosExistentes(), Antes);
}

TEST_F(TesteImpressaoCups, SemImpressoraPerguntaAntesDeGerar) {
    qputenv("CUPS_SERVER", Pasta.Caminho(QStringLiteral("sem-servidor.sock")).toLocal8Bit());
    cupsSetServer(nullptr);
    ListaImpressoras::Reinicia();
    EXPECT_FALSE(ListaImpressoras::ImpressorasPresentes());
    Interface.ImprimeEmArquivo(Pasta.Caminho(QStringLiteral("sem.prn")));
    EXPECT_EQ(Recibo.Execute(), TResultadoImpressao::Enviado);
    EXPECT_TRUE(Interface.Eventos.front().startsWith(QStringLiteral(
        "pergunta Não foi possivel determinar qual a impressora conectada ao sistema.")));
    qputenv("CUPS_SERVER", ServidorCups);
    cupsSetServer(nullptr);
}
