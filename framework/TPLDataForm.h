#pragma once

#include "TPLCustomForm.h"

// The data-form template: handlers for its fields' exit events.
class TTPLDataForm : public TTPLCustomForm {
    Q_OBJECT
public:
    explicit TTPLDataForm(QWidget* Pai = nullptr);

    // The field the operator is leaving (set by TPLBeforeExit).
    QWidget* CampoAtual = nullptr;

    // OnBeforeExit: records the field; no checks when it is left with Up.
    void TPLBeforeExit(QWidget* Sender, bool& Validate);
    // OnValidate: required.
    void TPLForceValidateEmpty(QWidget* Sender);
    // OnValidate: required, then greater than zero.
    void TPLForceValidateZero(QWidget* Sender);
    // OnValidate: required, then not negative.
    void TPLForceValidateNegative(QWidget* Sender);

    // The checks alone, for a form's own OnValidate handler.
    void VerificaObrigatorio(QWidget* Campo);
    void VerificaMaiorQueZero(QWidget* Campo);
    void VerificaNaoNegativo(QWidget* Campo);

private:
    void Recusa(QWidget* Campo, const std::optional<QString>& Mensagem);
};
