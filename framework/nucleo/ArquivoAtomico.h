#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <sys/types.h>

// Replaces Caminho with Dados so that a crash or a full disk leaves either the
// old content or the new one, never a torn file: the bytes go to a temporary
// file in the same folder, are flushed to disk and the temporary is renamed
// over the old file. Modo: permissions of the new file; by default those of
// the file it replaces, or 0600 (its user's only, whatever the umask) for a
// new file.
// Raises EErroGravacao and leaves the old file untouched when it cannot.
void GravaArquivoAtomico(const QString& Caminho, const QByteArray& Dados,
                         std::optional<mode_t> Modo = std::nullopt);

// Called after the temporary file is complete and before the rename: lets a
// test stop the process at the one moment where a crash matters.
void DefineGanchoAntesDeRenomear(std::function<void()> Gancho);
