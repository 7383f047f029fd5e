#pragma once

#include <QDialog>

class QLabel;

// The header some transactions show above the operator's dialogs (the
// library's command 15): a borderless band at the top of the screen.
class TManCaixaTefCabecalho : public QDialog {
    Q_OBJECT
public:
    explicit TManCaixaTefCabecalho(QWidget* Pai = nullptr);
    void DefineTexto(const QString& Texto);

    QLabel* LBL_CABECALHO;
};
