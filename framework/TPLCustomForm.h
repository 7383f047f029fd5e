#pragma once

#include "NForm.h"

#include <QPointer>

class QFrame;
class QLabel;

// The window template: an outer panel, an inner panel, a top bar (hidden
// unless a form shows it) whose title panel carries the window's caption,
// and the modal-dialog protocol below.
class TTPLCustomForm : public TNForm {
    Q_OBJECT
public:
    explicit TTPLCustomForm(QWidget* Pai = nullptr);

    // Components, in their order.
    QFrame* FConteinerPanel;
    QFrame* FClientConteinerPanel;
    QLabel* FTopBar;
    QLabel* pnlTop;
    QLabel* imgTopR;
    QLabel* imgTopL;

    static constexpr int AlturaTopBar = 25;

    // Where the form's own controls go: the inner panel below the top bar.
    QWidget* Conteudo() const { return FConteudo; }

    bool TelaCheia = true;  // showing modally sizes the form to the screen
    int MargemLargura = 20; // less the screen's width
    int MargemAltura = 70;  // less the screen's height
    bool TemplateModal = false;
    int MargemInterna = 0;
    int UltimaTecla = 0;
    Qt::KeyboardModifiers UltimoShift;

    // No border, centred, the outer panel shaded with a raised bevel and the
    // inner panel inset by 2 pixels.
    void AplicaEstiloModal();
    // Places the inner panel by the inner margin.
    void PosicionaPainelInterno();

    // The size full-screen sizing gives on a screen of this size.
    QSize TamanhoTelaCheia(const QSize& Tela) const;

protected:
    void showEvent(QShowEvent* Evento) override;       // NFormShow
    bool TeclaPressionada(QKeyEvent* Evento) override; // NFormKeyDown, NFormChildKeyPressed
    // Esc on the form: a modal template closes with result -1; other forms
    // ignore it. A form may give Esc a meaning of its own.
    virtual void EscPressionado();

private:
    QWidget* FConteudo;
};

// The template protocol on a global reference. A reference is a QPointer, so
// a form that destroys itself also empties its reference.

// Creates the form, hidden and styled as a modal template, unless the
// reference already holds one.
template <class T> void TornaPresente(QPointer<T>& Referencia) {
    if (!Referencia) {
        Referencia = new T();
        Referencia->hide();
        Referencia->TemplateModal = true;
        Referencia->AplicaEstiloModal();
    }
}

// Shows the form modally (screen-sized when its full-screen sizing is on) and
// returns its modal result when it closes.
int MostraModal(TTPLCustomForm* Forma);

// Destroys the form the reference holds, if any, and empties the reference.
template <class T> void Libera(QPointer<T>& Referencia) {
    delete Referencia.data();
    Referencia.clear();
}
