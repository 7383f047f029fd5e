#include "Ocupado.h"

TOcupado::TOcupado(bool& Marca, std::initializer_list<QWidget*> Bloqueados) {
    if (Marca) {
        return;
    }
    Marca = true;
    FMarca = &Marca;
    for (QWidget* Controle : Bloqueados) {
        Controle->setEnabled(false);
        FBloqueados.append(Controle);
    }
}

TOcupado::~TOcupado() {
    if (FMarca == nullptr) {
        return;
    }
    *FMarca = false;
    for (const QPointer<QWidget>& Controle : FBloqueados) {
        if (Controle != nullptr) {
            Controle->setEnabled(true);
        }
    }
}
