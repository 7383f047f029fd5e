#include "CapturaLog.h"
#include "InterfaceRelatorioRoteirizada.h"
#include "NReport.h"
#include "PastaDeTrabalho.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

// A report that stops after generation: the spool file is read before
// Execute would delete it.
class TRelatorioTeste : public testing::Test {
protected:
    TPastaDeTrabalho Pasta;
    TNTextReport Relatorio;

    TRelatorioTeste() {
        Relatorio.Columns = 42;
        Relatorio.PrintMode = pmCondensed;
        Relatorio.DefaultHeader = false;
    }

    QByteArray Gera(const std::function<void(TNTextReport&)>& Detalhe) {
        EXPECT_TRUE(Relatorio.BeginDoc());
        Detalhe(Relatorio);
        EXPECT_TRUE(Relatorio.EndDoc());
        QFile Spool(Relatorio.ArquivoSpool());
        EXPECT_TRUE(Spool.open(QIODevice::ReadOnly));
        return Spool.readAll();
    }

    static void Linhas(TNTextReport& R, const QStringList& Textos) {
        for (const QString& Texto : Textos) {
            R.PrintText(R.CurrentLine() + 1, 1, Texto, 0);
        }
    }
};

} // namespace

TEST_F(TRelatorioTeste, LinhaAPartirDaColunaUmGuardaAsPrimeiras41Letras) {
    const QString Cinquenta = QStringLiteral("0123456789").repeated(5);
    const QByteArray Spool = Gera([&](TNTextReport& R) { Linhas(R, {Cinquenta}); });
    // Line 0 blank, the text from the second character, the form feed after it.
    EXPECT_EQ(Spool, QByteArray("\r\n ") + Cinquenta.left(41).toLatin1() + "\x0c");
}

TEST_F(TRelatorioTeste, Linha64ComecaUmaPaginaNovaNaLinhaUm) {
    QStringList Textos;
    for (int I = 1; I <= 64; ++I) {
        Textos.append(QStringLiteral("linha %1").arg(I));
    }
    const QByteArray Spool = Gera([&](TNTextReport& R) {
        Linhas(R, Textos);
        EXPECT_EQ(R.PageNumber(), 2);
        EXPECT_EQ(R.CurrentLine(), 1);
    });
    const QList<QByteArray> Paginas = Spool.split('\x0c');
    ASSERT_EQ(Paginas.size(), 3); // two pages, nothing after the last form feed
    EXPECT_TRUE(Paginas[0].endsWith(" linha 63"));
    EXPECT_EQ(Paginas[1], QByteArray("\r\n linha 64"));
    EXPECT_TRUE(Paginas[2].isEmpty());
}

TEST_F(TRelatorioTeste, AcentosSaemEmWindows1252ELinhasVaziasSoComoSalto) {
    const QByteArray Spool = Gera([&](TNTextReport& R) {
        Linhas(R, {QStringLiteral("CARTÃO"), QString(), QStringLiteral("fim")});
    });
    EXPECT_EQ(Spool, QByteArray("\r\n CART\xc3O") + QByteArray(43 - 7, ' ') + "\r\n\r\n fim\x0c");
}

TEST_F(TRelatorioTeste, ArquivoPrinterIni) {
    TPrinterINI Ini;
    TPrinterCodes Codigos;
    const auto Carrega = [&](const QByteArray& Conteudo) {
        Pasta.Grava(QStringLiteral("Printer.ini"), Conteudo);
        return Ini.Load(QStringLiteral("Printer.ini"), Codigos);
    };
    EXPECT_TRUE(
        Carrega("PrinterName=Epson LX\r\nbolDON=#27#69\r\nLineFeed=#10\r\nEjectPage= # 12 #\r\n"));
    EXPECT_EQ(Codigos[TCodigo::BoldOn], QByteArray("\x1b\x45"));
    EXPECT_EQ(Codigos[TCodigo::LineFeed], QByteArray("\n"));
    EXPECT_EQ(Codigos[TCodigo::EjectPage], QByteArray("\x0c"));
    EXPECT_EQ(Codigos[TCodigo::CondensedOn], QByteArray());

    const TPrinterCodes Padrao = TPrinterCodes::Padrao();
    for (const QByteArray& Ruim :
         {QByteArray("PrinterName=X\r\nBoldOn=27#x\r\n"), QByteArray("BoldOn=#27\r\n"),
          QByteArray("PrinterName=  \r\n"), QByteArray("PrinterName=X\r\nReset=#256\r\n")}) {
        EXPECT_FALSE(Carrega(Ruim)) << Ruim.constData();
        EXPECT_EQ(Codigos.Codigos, Padrao.Codigos);
    }
    QFile::remove(QStringLiteral("Printer.ini"));
    EXPECT_FALSE(Ini.Load(QStringLiteral("Printer.ini"), Codigos));
    EXPECT_EQ(Codigos[TCodigo::PrinterName], QByteArray("Default"));
}

TEST_F(TRelatorioTeste, CodigosDeSaidaDoRecibo) {
    Gera([](TNTextReport&) {});
    EXPECT_EQ(Relatorio.CodigosDeSaida(), QByteArray("\x0f\x1b\x32"));
    Relatorio.AutoReset = true;
    Relatorio.PrintMode = pmNormal;
    Relatorio.LineSpacing = ls18;
    EXPECT_EQ(Relatorio.CodigosDeSaida(), QByteArray("\x1b\x40\x12\x1b\x30"));
}

TEST_F(TRelatorioTeste, TextoDeJatoDeTintaNaoGeraQuartaPagina) {
    Relatorio.Lines = 3;
    Gera([&](TNTextReport& R) {
        Linhas(R, {QStringLiteral("a"), QStringLiteral("b")});
        R.PrintText(R.CurrentLine() + 1, 1, QStringLiteral("\x1b\x45negrito"), 0);
        Linhas(R, {QStringLiteral("c"), QStringLiteral("d")});
    });
    const QByteArray Buffer = Relatorio.CarregaBuffer().value_or(QByteArray());
    EXPECT_EQ(Buffer.count('\x0c'), 3);
    const QString Texto = Relatorio.TextoJatoDeTinta(Buffer);
    EXPECT_EQ(Texto.count(u'\x0c'), 2);
    EXPECT_FALSE(Texto.contains(QStringLiteral("\x1b\x45")));
    EXPECT_TRUE(Texto.contains(QStringLiteral("negrito")));
    EXPECT_TRUE(Texto.contains(QStringLiteral("\x0c\r")));
}

TEST_F(TRelatorioTeste, ArquivosDeSpoolNuncaSeSobrepoem) {
    TNTextReport Outro;
    ASSERT_TRUE(Relatorio.BeginDoc());
    ASSERT_TRUE(Outro.BeginDoc());
    EXPECT_NE(Relatorio.ArquivoSpool(), Outro.ArquivoSpool());
    EXPECT_TRUE(Relatorio.ArquivoSpool().startsWith(PastaSpool()));
    // A second BeginDoc while a document is open does not start another.
    EXPECT_FALSE(Relatorio.BeginDoc());
    Relatorio.EndDoc();
    Outro.EndDoc();
}

TEST(TFileWriter, EscreveTudoFechadoDaMenosUmENaoCompartilha) {
    TPastaDeTrabalho Pasta;
    TFileWriter Escritor;
    EXPECT_FALSE(Escritor.Open(QStringLiteral("  "), TFileWriter::ModoCria));
    EXPECT_FALSE(Escritor.Open(QStringLiteral("nao-existe.prn"), TFileWriter::ModoAbre));
    ASSERT_TRUE(Escritor.Open(QStringLiteral("saida.prn"), TFileWriter::ModoCria));
    TFileWriter Segundo;
    EXPECT_FALSE(Segundo.Open(QStringLiteral("saida.prn"), TFileWriter::ModoAbre));
    EXPECT_EQ(Escritor.Write(QByteArray("a\0b", 3)), 3);
    EXPECT_TRUE(Escritor.Close());
    EXPECT_TRUE(Escritor.Close());
    EXPECT_EQ(Escritor.Write("x"), -1);
    EXPECT_EQ(Pasta.Le(QStringLiteral("saida.prn")), QByteArray("a\0b", 3));
    EXPECT_FALSE(Escritor.Open(QStringLiteral("saida.prn"), TFileWriter::ModoExclusivo));
}

TEST_F(TRelatorioTeste, SpoolPrivadoComHoraEmSeisDigitos) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); // "2:30:05 PM BRT"
    ASSERT_TRUE(Relatorio.BeginDoc());
    const QString Nome = QFileInfo(Relatorio.ArquivoSpool()).fileName();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^TMP_\\d{6}_\\d{6}_\\d{2}\\.PRN$"))
                    .match(Nome)
                    .hasMatch())
        << qPrintable(Nome);
    EXPECT_EQ(QFile(Relatorio.ArquivoSpool()).permissions(),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);
    // In the station's own folder, private to its user; what a kill left
    // there goes at the next start.
    EXPECT_EQ(QFileInfo(Relatorio.ArquivoSpool()).absolutePath(),
              QDir::current().filePath(QStringLiteral("spool")));
    EXPECT_EQ(QFile(PastaSpool()).permissions() & 0x0077, QFileDevice::Permissions());
    const QString Deixado = Relatorio.ArquivoSpool();
    RemoveSpoolsDeixados();
    EXPECT_FALSE(QFile::exists(Deixado));
    Relatorio.EndDoc();
    QLocale::setDefault(QLocale::c());
}

// A full disk while spooling: the report fails with its message and nothing
// reaches the output, so a cut-off receipt is never taken for a printed one.
TEST_F(TRelatorioTeste, SpoolQueNaoSeGravaFalhaORelatorio) {
    TInterfaceRelatorioRoteirizada Interface;
    Interface.ImprimeEmArquivo(Pasta.Caminho(QStringLiteral("saida.prn")));
    TNTextReport Recibo(&Interface);
    Recibo.OnPrintDetail = [](TNTextReport& R) {
        for (int I = 0; I < 400; ++I) {
            R.PrintText(R.CurrentLine() + 1, 1, QString(70, u'x'), 0);
        }
    };
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit Anterior{};
    ::getrlimit(RLIMIT_FSIZE, &Anterior);
    rlimit Pequeno = Anterior;
    Pequeno.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &Pequeno);
    const TCapturaLog Log("tefkimbro.impressao");
    const TResultadoImpressao Resultado = Recibo.Execute();
    ::setrlimit(RLIMIT_FSIZE, &Anterior);
    EXPECT_EQ(Resultado, TResultadoImpressao::Falhou);
    EXPECT_TRUE(Interface.Eventos.contains(
        QStringLiteral("erro Não foi possivel descarregar os buffers do arquivo de spool Local.")));
    EXPECT_FALSE(QFile::exists(Pasta.Caminho(QStringLiteral("saida.prn"))));
    // Logged once, with the file and the system's reason.
    EXPECT_EQ(Log.Com({QStringLiteral("spool file "), QStringLiteral(" not written: "),
                       QString::fromLocal8Bit(std::strerror(EFBIG))})
                  .size(),
              1)
        << qPrintable(Log.Linhas().join(u'\n'));
}
