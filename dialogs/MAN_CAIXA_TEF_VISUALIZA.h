#pragma once

#include "TNStringList.h"
#include "TPLModalDataForm.h"

#include <QPointer>

class QPlainTextEdit;
class TNPushButton;

// "Resultado - TEF": shows lines delivered for display only (a receipt, a
// report) in a read-only fixed-pitch area and lets the operator save them.
// Closing it destroys it.
class TManCaixaTefVisualiza : public TTPLModalDataForm {
    Q_OBJECT
public:
    explicit TManCaixaTefVisualiza(QWidget* Pai = nullptr);

    QPlainTextEdit* STR_TEXtO;
    QWidget* PNL_BOTOES;
    TNPushButton* BtnSalvar;
    TNPushButton* BtnSair;

    // Fills the text area with Linhas (a ";" also starts a new line) and shows
    // the dialog modally. Legenda empty keeps the caption. When it returns,
    // the dialog no longer exists.
    void MostraTexto(const TNStringList& Linhas, const QString& Legenda);

    // The lines the text area shows.
    QStringList LinhasMostradas() const;

    // Writes the lines shown to Arquivo, CR LF after each.
    void SalvaEm(const QString& Arquivo) const;

protected:
    void showEvent(QShowEvent* Evento) override; // NFormShow

private:
    void BtnSalvarClick();
};

extern QPointer<TManCaixaTefVisualiza> ManCaixaTefVisualiza;

// The text as the viewer splits it: the list's text with every line feed made
// a ";", trimmed, then cut at each ";".
QStringList LinhasDoVisualizador(const TNStringList& Linhas);
