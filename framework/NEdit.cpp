#include "NEdit.h"

#include "Erros.h"
#include "TratadorErros.h"

TNEdit::TNEdit(QWidget* Pai) : QLineEdit(Pai) {}

bool TNEdit::ExecutaSaida() {
    bool Aceito = false;
    ExecutaProtegido([&] {
        PreparaSaida();
        bool Validate = true;
        if (OnBeforeExit) {
            OnBeforeExit(this, Validate);
        }
        if (Validate && OnValidate) {
            OnValidate(this);
        }
        Aceito = true;
    });
    return Aceito;
}
