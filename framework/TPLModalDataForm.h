#pragma once

#include "TPLDataForm.h"

// The modal data-form template on which the operator dialogs are built: its
// top bar shows the title.
class TTPLModalDataForm : public TTPLDataForm {
    Q_OBJECT
public:
    explicit TTPLModalDataForm(QWidget* Pai = nullptr);
};
