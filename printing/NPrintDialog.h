#pragma once

#include "NForm.h"
#include "NPRN.h"

class QComboBox;
class QLabel;
class TNMaskEdit;
class TNPushButton;
class TNTextReport;

// "Propriedades de impressão": where and how a finished report goes (which
// printer or a file, printer mode and orientation, pages, copies). It only
// collects the choices; the report does the output.
class TFPrintDialog : public TNForm {
    Q_OBJECT
public:
    explicit TFPrintDialog(TNTextReport& Relatorio, QWidget* Pai = nullptr);

    // Shows the dialog for Relatorio; when the operator confirms, Info gets the
    // choices and the result is true; otherwise Info is left as it was.
    static bool ExecuteDialog(TNTextReport& Relatorio, TPrinterDialogInfo& Info);

    TNTextReport& Relatorio;
    bool Confirmed = false;
    bool ValidateOnExit = false;
    QString NomeArquivo;

    QComboBox* FSelectCombo;
    QComboBox* FDeviceCombo;
    TNMaskEdit* FIniPageEdit;
    TNMaskEdit* FEndPageEdit;
    TNMaskEdit* FNumCopyEdit;
    QComboBox* FSelPrinterCombo;
    QComboBox* FModeCombo;
    QComboBox* FOrientCombo;
    TNPushButton* FPrintButton;
    TNPushButton* FCancelButton;

    // The controls read into a record (the printer part from the printer
    // list's current printer).
    TPrinterDialogInfo Registro() const;

    // The save dialog's settings, for "Arquivo".
    static QString TituloSalvar();
    static QString FiltroSalvar();

protected:
    void showEvent(QShowEvent* Evento) override;
    void reject() override;
    void mousePressEvent(QMouseEvent* Evento) override;
    void mouseMoveEvent(QMouseEvent* Evento) override;

private:
    QWidget* MontaPainel();
    void FSelectComboChange();
    void FDeviceComboChange();
    void FSelPrinterComboChange();
    void FModeComboChange();
    void ValidaIniPage();
    void ValidaEndPage();
    void ValidaNumCopy();
    void FPrintButtonClick();
    bool EscolheArquivo();

    QPoint FArrasto;
};
