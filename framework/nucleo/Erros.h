#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The station reports failures by raising these. The application's error
// handler shows Mensagem() to the operator, so it must be a plain sentence.
class EErro : public std::exception {
public:
    explicit EErro(QString Mensagem);
    const QString& Mensagem() const noexcept { return FMensagem; }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMensagem;
    QByteArray FUtf8;
};

// A text that should hold a number does not.
class EErroConversao : public EErro {
public:
    using EErro::EErro;
};

// A file could not be read or written.
class EErroArquivo : public EErro {
public:
    using EErro::EErro;
};

class EErroGravacao : public EErroArquivo {
public:
    using EErroArquivo::EErroArquivo;
};

// Ends the current operation without a message: the framework raises it after
// it has already told the operator what went wrong.
class EAbortoSilencioso : public std::exception {
public:
    const char* what() const noexcept override { return "aborto silencioso"; }
};
