#include "TPLModalDataForm.h"

#include <QLabel>

TTPLModalDataForm::TTPLModalDataForm(QWidget* Pai) : TTPLDataForm(Pai) {
    FTopBar->show();
}
