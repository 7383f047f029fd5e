#pragma once

#include <QStringList>

// What one logging category says while this lives, a line per message; the
// rest goes on to the handler before it. One capture at a time.
class TCapturaLog {
public:
    explicit TCapturaLog(const char* Categoria);
    ~TCapturaLog();
    TCapturaLog(const TCapturaLog&) = delete;
    TCapturaLog& operator=(const TCapturaLog&) = delete;

    QStringList Linhas() const;
    // The lines holding every one of Trechos.
    QStringList Com(const QStringList& Trechos) const;
};
