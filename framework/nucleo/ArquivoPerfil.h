#pragma once

#include <QString>

// A profile (INI) file with the semantics the station's configuration was
// written for: sections and keys without regard to letter case, values read
// through a 2048-byte buffer (at most 2047 characters), a key replaced where
// it stands, the file created on the first write. The bytes are
// Windows-1252. Every write replaces the file atomically and leaves it
// readable by its owner only; a file whose owner may not write it (the
// read-only attribute) is never written.
class TArquivoPerfil {
public:
    static constexpr int TamanhoBufferLeitura = 2048;

    explicit TArquivoPerfil(QString Caminho) : FCaminho(std::move(Caminho)) {}

    const QString& Caminho() const { return FCaminho; }

    // Padrao when the file, the section or the key is missing.
    QString LeTexto(const QString& Secao, const QString& Chave, const QString& Padrao) const;

    // Raises EErroGravacao "Unable to write to <file>" when the file cannot be written.
    void GravaTexto(const QString& Secao, const QString& Chave, const QString& Valor);

private:
    QString FCaminho;
};
