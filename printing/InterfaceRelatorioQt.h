#pragma once

#include "NReport.h"

class QPrinter;

// The report's way to the operator on the station's dialogs: the message
// dialog, the wait box, the print options dialog, and the printer driver
// through Qt's printing ("Courier New" 7 pt).
class TInterfaceRelatorioQt final : public TInterfaceRelatorio {
public:
    bool Pergunta(const QString& Mensagem) override;
    void Erro(const QString& Mensagem) override;
    void Aguarde(const QString& Texto) override;
    void FimAguarde() override;
    bool ExecutaDialogo(TNTextReport& Relatorio, TPrinterDialogInfo& Info) override;
    bool ImprimeJatoDeTinta(const QString& Texto, const TPrinterInfo& Impressora,
                            const QString& Titulo) override;
};

// Prints the report's text on Printer (a driver queue, or a PDF file in
// tests); false when the driver refused a page or the document.
bool ImprimeTextoNoDriver(QPrinter& Printer, const QString& Texto);
