#pragma once

#include <QString>

// A profile (INI) file with the semantics the station's configuration was
// written for: sections and keys without regard to letter case, values read
// through a 2048-byte buffer (at most 2047 characters), a key replaced where
// it stands, the file created on the first write. The bytes are UTF-8 when
// they are valid UTF-8 and hold some non-ASCII text (a Linux editor's save),
// Windows-1252 otherwise; a write keeps the file's encoding and every byte of
// the lines it does not change. Every write replaces the file atomically and leaves it
// readable by its owner only; a file whose owner may not write it (the
// read-only attribute) is never written.
enum class TCodificacaoPerfil { Windows1252, Utf8 };

class TArquivoPerfil {
public:
    static constexpr int TamanhoBufferLeitura = 2048;

    explicit TArquivoPerfil(QString Caminho) : FCaminho(std::move(Caminho)) {}

    const QString& Caminho() const { return FCaminho; }

    // Padrao when the file, the section or the key is missing.
    QString LeTexto(const QString& Secao, const QString& Chave, const QString& Padrao) const;

    // Windows-1252 for a missing or unreadable file: what a first write creates.
    TCodificacaoPerfil Codificacao() const;
    static QString NomeCodificacao(TCodificacaoPerfil Codificacao);

    // The characters of Texto the file's encoding cannot hold, each once;
    // empty when it holds them all.
    QString CaracteresRecusados(const QString& Texto) const;

    // Raises EErro naming the key when Valor has a character the file's
    // encoding cannot hold, before anything is written; raises EErroGravacao "Unable to write to
    // <file>" when the file cannot be written.
    void GravaTexto(const QString& Secao, const QString& Chave, const QString& Valor);

private:
    QString FCaminho;
};
