#pragma once

#include <QDialog>

class QLabel;
class QTimer;

// The framework's alert: "Atenção", the message and a blinking line telling
// which key closes it. No buttons; only the closing key closes it.
class TNAlerta : public QDialog {
    Q_OBJECT
public:
    // TeclaFechamento: Enter (13), Esc (27) or Space (32); any other is Esc.
    TNAlerta(const QString& Mensagem, int TeclaFechamento, QWidget* Pai = nullptr);

    static int TeclaResolvida(int TeclaFechamento);
    QString LinhaFechamento() const;

protected:
    void keyPressEvent(QKeyEvent* Evento) override;
    void reject() override;
    void showEvent(QShowEvent* Evento) override;

private:
    void Pisca();

    int FTecla;
    QLabel* FLinha;
    QTimer* FPisca;
    bool FAceso = true;
};

// Beeps twice, shows the alert until its key is pressed, puts the focus back
// into Campo (if any) and ends the current operation silently.
[[noreturn]] void LevantaAlerta(const QString& Mensagem, QWidget* Campo, int TeclaFechamento);
