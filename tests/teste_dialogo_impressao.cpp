// The print options dialog, with the printers of the private CUPS scheduler.
#include "InterfaceRelatorioQt.h"
#include "Modais.h"
#include "NMaskEdit.h"
#include "NPrintDialog.h"
#include "NPushButton.h"
#include "PastaDeTrabalho.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cups/cups.h>
#include <memory>

namespace {

TFPrintDialog* Dialogo(QWidget* Janela) {
    return qobject_cast<TFPrintDialog*>(Janela);
}

void Clica(QWidget* Controle) {
    QTest::mouseClick(Controle->window()->windowHandle(), Qt::LeftButton, {},
                      Controle->mapTo(Controle->window(), Controle->rect().center()));
}

} // namespace

class TesteDialogoImpressao : public QObject {
    Q_OBJECT

    std::unique_ptr<TPastaDeTrabalho> Pasta;
    std::unique_ptr<TNTextReport> Recibo;

    // A one-page document, generated as the receipt is.
    void GeraRecibo(TInterfaceRelatorio* Interface = nullptr) {
        Recibo = std::make_unique<TNTextReport>(Interface);
        Recibo->Columns = 42;
        Recibo->DefaultHeader = false;
        Recibo->PrintTarget = ptDialog;
        Recibo->Copies = 3;
        Recibo->OnPrintDetail = [](TNTextReport& R) {
            R.PrintText(R.CurrentLine() + 1, 1, QStringLiteral("VIA DO CLIENTE"), 0);
        };
    }

private Q_SLOTS:
    void init() {
        Pasta = std::make_unique<TPastaDeTrabalho>();
        cupsSetServer(nullptr);
        GeraRecibo();
        QVERIFY(Recibo->BeginDoc());
        Recibo->OnPrintDetail(*Recibo);
        QVERIFY(Recibo->EndDoc());
    }
    void cleanup() {
        Recibo.reset();
        Pasta.reset();
        QCOMPARE(JanelasRestantes(), 0);
    }

    void AbreComOsValoresDoRecibo() {
        QString Faixa, Inicial, Final, Copias, Impressora;
        bool FaixaHabilitada = true, PaginasHabilitadas = true, OrientacaoHabilitada = true;
        QWidget* Foco = nullptr;
        TPrinterDialogInfo Info;
        Info.Copies = 77;
        TRespostaModal Olha([&](QWidget* Janela) {
            TFPrintDialog* D = Dialogo(Janela);
            Faixa = D->FSelectCombo->currentText();
            FaixaHabilitada = D->FSelectCombo->isEnabled();
            PaginasHabilitadas = D->FIniPageEdit->isEnabled() || D->FEndPageEdit->isEnabled();
            OrientacaoHabilitada = D->FOrientCombo->isEnabled();
            Inicial = D->FIniPageEdit->text().trimmed();
            Final = D->FEndPageEdit->text().trimmed();
            Copias = D->FNumCopyEdit->text().trimmed();
            Impressora = D->FSelPrinterCombo->currentText();
            Foco = D->focusWidget();
            QCOMPARE(Foco, static_cast<QWidget*>(D->FPrintButton));
            Clica(D->FCancelButton);
        });
        QVERIFY(!TFPrintDialog::ExecuteDialog(*Recibo, Info));
        QCOMPARE(Info.Copies, 77); // left as it was
        QCOMPARE(Faixa, QStringLiteral("Todas as Páginas"));
        QVERIFY(!FaixaHabilitada);
        QVERIFY(!PaginasHabilitadas);
        QVERIFY(!OrientacaoHabilitada);
        QCOMPARE(Inicial, QStringLiteral("1"));
        QCOMPARE(Final, QStringLiteral("1"));
        QCOMPARE(Copias, QStringLiteral("3"));
        QCOMPARE(Impressora, QStringLiteral("recibos"));
    }

    void RegrasDasListasEConfirmacao() {
        bool ImpressoraComArquivo = true, ModoComArquivo = true, OrientacaoJato = false;
        QString OrientacaoTexto, OrientacaoDeVolta;
        TPrinterDialogInfo Info;
        TRespostaModal Usa([&](QWidget* Janela) {
            TFPrintDialog* D = Dialogo(Janela);
            D->FDeviceCombo->setCurrentIndex(1);
            ImpressoraComArquivo = D->FSelPrinterCombo->isEnabled();
            ModoComArquivo = D->FModeCombo->isEnabled();
            D->FDeviceCombo->setCurrentIndex(0);
            D->FModeCombo->setCurrentIndex(1);
            OrientacaoJato = D->FOrientCombo->isEnabled();
            OrientacaoTexto = D->FOrientCombo->currentText();
            D->FModeCombo->setCurrentIndex(0);
            OrientacaoDeVolta =
                D->FOrientCombo->currentText() + (D->FOrientCombo->isEnabled() ? "+" : "-");
            Clica(D->FPrintButton);
        });
        QVERIFY(TFPrintDialog::ExecuteDialog(*Recibo, Info));
        QVERIFY(!ImpressoraComArquivo);
        QVERIFY(!ModoComArquivo);
        QVERIFY(OrientacaoJato);
        QCOMPARE(OrientacaoTexto, QStringLiteral("Paisagem"));
        QCOMPARE(OrientacaoDeVolta, QStringLiteral("Retrato (Default)-"));
        QCOMPARE(Info.PrinterInfo.Device, QStringLiteral("recibos"));
        QCOMPARE(Info.Copies, 3);
        QCOMPARE(int(Info.Output), 0);
    }

    void CopiasZeroSaoRecusadasEEscNaoValida() {
        QString Mensagem;
        bool AbertoDepois = false;
        TRespostaModal Digita([&](QWidget* Janela) {
            TFPrintDialog* D = Dialogo(Janela);
            D->FNumCopyEdit->setText(QStringLiteral("000"));
            TRespostaModal Ok(
                [&](QWidget* M) {
                    Mensagem = TextoDaMensagem(M);
                    ClicaBotao(M, QStringLiteral("&Ok"));
                },
                5000, Janela);
            Clica(D->FPrintButton);
            QTRY_VERIFY(Ok.Respondeu());
            AbertoDepois = D->isVisible();
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(D->FNumCopyEdit));
            // Esc leaves at once: the field that has the focus is not checked.
            TRespostaModal Nenhuma([](QWidget* M) { M->close(); }, 300, Janela);
            QTest::keyClick(D->FNumCopyEdit, Qt::Key_Escape);
        });
        TPrinterDialogInfo Info;
        QVERIFY(!TFPrintDialog::ExecuteDialog(*Recibo, Info));
        QCOMPARE(Mensagem, QStringLiteral("Valor inválido."));
        QVERIFY(AbertoDepois);
    }

    void SemImpressoraPerguntaEArquivoChegaAoDialogoDeSalvar() {
        qputenv("CUPS_SERVER", Pasta->Caminho(QStringLiteral("nenhum.sock")).toLocal8Bit());
        cupsSetServer(nullptr);
        TInterfaceRelatorioQt Interface;
        GeraRecibo(&Interface);
        QString Pergunta, Proposto;
        const QString Destino = Pasta->Caminho(QStringLiteral("recibo.prn"));
        TRespostaModal Sim([&](QWidget* M) {
            Pergunta = TextoDaMensagem(M);
            ClicaBotao(M, QStringLiteral("&Sim"));
        });
        TRespostaModal Arquivo(
            [&](QWidget* Janela) {
                TFPrintDialog* D = Dialogo(Janela);
                D->FDeviceCombo->setCurrentIndex(1);
                TRespostaModal Salvar(
                    [&](QWidget* S) {
                        auto* Escolha = qobject_cast<QFileDialog*>(S);
                        Proposto =
                            Escolha->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
                        QCOMPARE(Escolha->windowTitle(), TFPrintDialog::TituloSalvar());
                        auto* Nome = Escolha->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                        Nome->setText(Destino);
                        QTest::keyClick(Nome, Qt::Key_Return);
                    },
                    5000, Janela);
                Clica(D->FPrintButton);
            },
            5000, [](QWidget* W) { return Dialogo(W) != nullptr; });
        QCOMPARE(Recibo->Execute(), TResultadoImpressao::Enviado);
        QVERIFY(
            Pergunta.startsWith(QStringLiteral("Não foi possivel determinar qual a impressora")));
        QCOMPARE(Proposto, QStringLiteral("Relatorio.prn"));
        QVERIFY(QFile::exists(Destino));
        qputenv("CUPS_SERVER", qgetenv("TK_CUPS_TESTE"));
        cupsSetServer(nullptr);
    }

    // No printer at all: "Imprimir" on the printer refuses with its message
    // and the dialog stays for another choice.
    void SemImpressoraRecusaImprimirNaImpressora() {
        qputenv("CUPS_SERVER", Pasta->Caminho(QStringLiteral("nenhum.sock")).toLocal8Bit());
        cupsSetServer(nullptr);
        ListaImpressoras::Reinicia();
        TInterfaceRelatorioQt Interface;
        GeraRecibo(&Interface);
        QString Recusa;
        bool AbertoDepois = false;
        TRespostaModal Sim([](QWidget* M) { ClicaBotao(M, QStringLiteral("&Sim")); });
        TRespostaModal Imprimir(
            [&](QWidget* Janela) {
                TFPrintDialog* D = Dialogo(Janela);
                D->FDeviceCombo->setCurrentIndex(0);
                TRespostaModal Mensagem(
                    [&](QWidget* M) {
                        Recusa = TextoDaMensagem(M);
                        ClicaBotao(M, QStringLiteral("&Ok"));
                    },
                    5000, Janela);
                Clica(D->FPrintButton);
                AbertoDepois = D->isVisible();
                Clica(D->FCancelButton);
            },
            5000, [](QWidget* W) { return Dialogo(W) != nullptr; });
        QCOMPARE(Recibo->Execute(), TResultadoImpressao::Cancelado);
        QCOMPARE(Recusa, QStringLiteral("Nenhum dispositivo de impressão está disponível. Talvez o "
                                        "dispositivo não esteja instalado no Windows."));
        QVERIFY(AbertoDepois);
        qputenv("CUPS_SERVER", qgetenv("TK_CUPS_TESTE"));
        cupsSetServer(nullptr);
        ListaImpressoras::Reinicia();
    }

    // The driver path prints the report's three pages and no fourth: the
    // driver here is Qt's own PDF writer, read back with poppler's tools.
    void JatoDeTintaImprimeAsTresPaginasNoDriver() {
        TNTextReport Relatorio;
        Relatorio.Columns = 42;
        Relatorio.Lines = 3;
        Relatorio.DefaultHeader = false;
        QVERIFY(Relatorio.BeginDoc());
        for (const char* Linha : {"primeira", "segunda", "terceira", "quarta", "quinta"}) {
            Relatorio.PrintText(Relatorio.CurrentLine() + 1, 1, QString::fromLatin1(Linha), 0);
        }
        QVERIFY(Relatorio.EndDoc());
        const QString Texto = Relatorio.TextoJatoDeTinta(*Relatorio.CarregaBuffer());
        QPrinter Printer(QPrinter::HighResolution);
        Printer.setOutputFormat(QPrinter::PdfFormat);
        const QString Pdf = Pasta->Caminho(QStringLiteral("jato.pdf"));
        Printer.setOutputFileName(Pdf);
        QVERIFY(ImprimeTextoNoDriver(Printer, Texto));
        QProcess Info;
        Info.start(QStringLiteral("pdfinfo"), {Pdf});
        QVERIFY(Info.waitForFinished(10000));
        QVERIFY(QString::fromLatin1(Info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
        QProcess Extracao;
        Extracao.start(QStringLiteral("pdftotext"), {Pdf, QStringLiteral("-")});
        QVERIFY(Extracao.waitForFinished(10000));
        const QString Extraido = QString::fromUtf8(Extracao.readAllStandardOutput());
        for (const char* Linha : {"primeira", "segunda", "terceira", "quarta", "quinta"}) {
            QVERIFY2(Extraido.contains(QString::fromLatin1(Linha)), Linha);
        }
        // A printer that cannot start the document fails cleanly.
        QPrinter Invalida(QPrinter::HighResolution);
        Invalida.setOutputFormat(QPrinter::PdfFormat);
        Invalida.setOutputFileName(Pasta->Caminho(QStringLiteral("sem/pasta.pdf")));
        QVERIFY(!ImprimeTextoNoDriver(Invalida, Texto));
    }
};

QTEST_MAIN(TesteDialogoImpressao)
#include "teste_dialogo_impressao.moc"
