#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <initializer_list>

// One operation at a time on a window. While a TOcupado lives, the window's
// mark is set and the given controls are disabled; a second operation that
// gets in meanwhile (a click already queued, a key, the close control) finds
// the mark set and must do nothing. Every way out, an error included, clears
// the mark and enables the controls again.
class TOcupado {
public:
    TOcupado(bool& Marca, std::initializer_list<QWidget*> Bloqueados = {});
    ~TOcupado();
    TOcupado(const TOcupado&) = delete;
    TOcupado& operator=(const TOcupado&) = delete;

    // False when another operation held the mark already.
    bool Obtido() const { return FMarca != nullptr; }

private:
    bool* FMarca = nullptr;
    QList<QPointer<QWidget>> FBloqueados;
};
