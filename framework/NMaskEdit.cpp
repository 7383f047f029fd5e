#include "NMaskEdit.h"

TNMaskEdit::TNMaskEdit(QWidget* Pai) : TNEdit(Pai) {}
