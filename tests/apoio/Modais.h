#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// Answering modal dialogs from a test. A modal dialog blocks the test in its
// own event loop; Acao runs on it from a timer. A dialog that never opens, or
// that is still open when the limit runs out, is closed so the test fails
// instead of hanging.
class TRespostaModal {
public:
    // Waits for the next modal dialog that Aceita takes (any, when empty) and
    // runs Acao on it.
    explicit TRespostaModal(std::function<void(QWidget* Dialogo)> Acao, int LimiteMs = 5000,
                            std::function<bool(QWidget* Dialogo)> Aceita = {});
    // The same for the next modal dialog that is not Ignorar.
    TRespostaModal(std::function<void(QWidget* Dialogo)> Acao, int LimiteMs, QWidget* Ignorar);
    ~TRespostaModal();
    TRespostaModal(const TRespostaModal&) = delete;
    TRespostaModal& operator=(const TRespostaModal&) = delete;

    bool Respondeu() const { return FRespondeu; }

private:
    struct Estado;
    Estado* FEstado;
    bool FRespondeu = false;
};

// The text of the message label of a message dialog or alert.
QString TextoDaMensagem(QWidget* Dialogo);
// Clicks the button of the dialog whose caption is Legenda.
void ClicaBotao(QWidget* Dialogo, const QString& Legenda);
// Top-level widgets still alive (posted deletions processed first).
int JanelasRestantes();
