#pragma once

#include "NEdit.h"

// An edit whose text follows a mask (Qt input-mask syntax).
class TNMaskEdit : public TNEdit {
    Q_OBJECT
public:
    explicit TNMaskEdit(QWidget* Pai = nullptr);
    void DefineMascara(const QString& Mascara) { setInputMask(Mascara); }
};
