#include "InterfaceRelatorioQt.h"

#include "CodigosDialogo.h"
#include "NDialog.h"
#include "NPrintDialog.h"
#include "RegistroImpressao.h"
#include "VeltroTECD.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

using namespace CodigosDialogo;

bool TInterfaceRelatorioQt::Pergunta(const QString& Mensagem) {
    return TDialog::Executa(Mensagem, QStringLiteral("Atenção"), BotoesSimNao, IconeQuestao,
                            BotaoPadraoAutomatico) == RespSim;
}

void TInterfaceRelatorioQt::Erro(const QString& Mensagem) {
    TDialog::Executa(Mensagem, QString(), BotoesOk, IconeErro, BotaoPadraoAutomatico);
}

void TInterfaceRelatorioQt::Aguarde(const QString& Texto) {
    AguardeDisplay(Texto);
}

void TInterfaceRelatorioQt::FimAguarde() {
    FimAguardeDisplay();
}

bool TInterfaceRelatorioQt::ExecutaDialogo(TNTextReport& Relatorio, TPrinterDialogInfo& Info) {
    return TFPrintDialog::ExecuteDialog(Relatorio, Info);
}

bool TInterfaceRelatorioQt::ImprimeJatoDeTinta(const QString& Texto, const TPrinterInfo& Impressora,
                                               const QString& Titulo) {
    QPrinter Printer(QPrinter::HighResolution);
    Printer.setPrinterName(Impressora.Device);
    Printer.setDocName(Titulo);
    Printer.setPageOrientation(Impressora.Orientation == 1 ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
    if (!Printer.isValid()) {
        qCWarning(lcImpressao).noquote()
            << QStringLiteral("no printer driver for %1").arg(Impressora.Device);
        return false;
    }
    return ImprimeTextoNoDriver(Printer, Texto);
}

// The driver used as a text device: one line per text line, a new page at
// each form feed or when the page is full. A page the driver refuses, or an
// error on the way, fails the printing as the raw path fails.
bool ImprimeTextoNoDriver(QPrinter& Printer, const QString& Texto) {
    QPainter Pintor;
    if (!Pintor.begin(&Printer)) {
        qCWarning(lcImpressao).noquote()
            << QStringLiteral("the driver of %1 refused the document").arg(Printer.printerName());
        return false;
    }
    try {
        QFont Fonte(QStringLiteral("Courier New"));
        Fonte.setPointSize(7);
        Pintor.setFont(Fonte);
        const int Altura = QFontMetrics(Fonte, &Printer).lineSpacing();
        const int AlturaPagina =
            Printer.pageLayout().paintRectPixels(Printer.resolution()).height();
        int Topo = 0;
        const QStringList Linhas = QString(Texto).remove(u'\r').split(u'\n');
        for (const QString& Linha : Linhas) {
            const QStringList Paginas = Linha.split(u'\x0c');
            for (qsizetype I = 0; I < Paginas.size(); ++I) {
                if (I > 0 || Topo + Altura > AlturaPagina) {
                    if (!Printer.newPage()) {
                        qCWarning(lcImpressao).noquote()
                            << QStringLiteral("the driver of %1 refused a new page")
                                   .arg(Printer.printerName());
                        Pintor.end();
                        return false;
                    }
                    Topo = 0;
                }
                Pintor.drawText(0, Topo + Altura, Paginas[I]);
            }
            Topo += Altura;
        }
    } catch (...) {
        Pintor.end();
        return false;
    }
    return Pintor.end();
}
