#pragma once

#include <QDialog>

class QKeyEvent;
class QMouseEvent;

// The framework's base form. It sees every key before the focused control
// does: Enter and the Down arrow move to the next control, the Up arrow to
// the previous one, and a key that names a push button's accelerator presses
// it. The focused field's exit checks run before the focus moves, by key or
// by mouse; a refusal keeps the focus where it is.
class TNForm : public QDialog {
    Q_OBJECT
public:
    explicit TNForm(QWidget* Pai = nullptr);

    // Runs the focused field's exit events. False when a check refused.
    bool SaiDoCampoAtual();

protected:
    bool eventFilter(QObject* Objeto, QEvent* Evento) override;
    // Every key pressed on the form or one of its controls, before the control
    // sees it. True: the key was consumed.
    virtual bool TeclaPressionada(QKeyEvent* Evento);

private:
    bool CliquePodeMudarFoco(const QMouseEvent* Evento);
    bool Navega(QKeyEvent* Evento);
    bool Acelerador(QKeyEvent* Evento);
    bool Pertence(const QObject* Objeto) const;
};
