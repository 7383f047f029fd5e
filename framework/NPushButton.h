#pragma once

#include <QPushButton>

#include <functional>

// The framework's push button. The letter after "&" in its caption is its
// accelerator: pressing it on the form presses the button.
class TNPushButton : public QPushButton {
    Q_OBJECT
public:
    explicit TNPushButton(const QString& Legenda = QString(), QWidget* Pai = nullptr);

    // A named button whose click runs AoClicar through the error handler.
    static TNPushButton* Cria(QWidget* Pai, const QString& Nome, const QString& Legenda,
                              std::function<void()> AoClicar, bool CausaValidacao = true);

    // The accelerator in capitals, or a null QChar when the caption has none.
    QChar Acelerador() const;

    // False for buttons that leave the dialog without its value ("Voltar",
    // "Abandonar"): pressing them does not run the focused field's checks, so
    // the operator can always give up on a field that is still wrong.
    bool CausaValidacao = true;
};

// The visible, enabled button under Raiz whose accelerator is the key's
// letter, pressed alone or with Shift; null for any other key.
TNPushButton* BotaoDoAcelerador(const QWidget* Raiz, const class QKeyEvent* Evento);
