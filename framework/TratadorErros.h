#pragma once

#include <QString>

#include <functional>

// The application's error handler. Errors are exceptions, and exceptions must
// not cross Qt's event loop: every event handler runs through Protegido, which
// shows an error's message ("Atenção") and ends the event. The framework's
// silent abort ends it without a message.
void ExecutaProtegido(const std::function<void()>& Funcao);

// Funcao takes no arguments; the handler it makes ignores the signal's.
template <typename F> auto Protegido(F Funcao) {
    return [Funcao = std::move(Funcao)](auto&&...) { ExecutaProtegido(Funcao); };
}

class QWidget;

// Gives the keyboard back to Campo once a dialog over its window has closed.
void DevolveFoco(QWidget* Campo);

// Lets every pending window message of the GUI thread be processed.
void ProcessaMensagensPendentes();
