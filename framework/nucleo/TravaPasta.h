#pragma once

#include <QString>

// An exclusive lock on a file, held for the life of the object (flock, so
// the system drops it when the process ends, also by a crash). Two stations
// started in one working folder would undo each other's pending
// transactions and draw the same document numbers: only the first runs.
class TTravaPasta {
public:
    static constexpr const char* NomePadrao = "tefkimbro.lock";

    // Takes the lock on Arquivo (created 0600 when missing), or fails at
    // once: held elsewhere (Ocupada) or the file unusable (Erro).
    explicit TTravaPasta(const QString& Arquivo = QString::fromLatin1(NomePadrao));
    ~TTravaPasta();
    TTravaPasta(const TTravaPasta&) = delete;
    TTravaPasta& operator=(const TTravaPasta&) = delete;

    bool Obtida() const { return FHandle >= 0; }
    // Not taken because another process holds it (otherwise see Erro()).
    bool Ocupada() const { return FOcupada; }
    // The system's reason when the lock file could not be used.
    const QString& Erro() const { return FErro; }

private:
    int FHandle = -1;
    bool FOcupada = false;
    QString FErro;
};
