#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>

// The fuzzers' input as a file: loaders are fed what a disk would give them.
inline QString GravaEntrada(const std::uint8_t* Dados, std::size_t Tamanho, const char* Nome) {
    const QString Caminho = QStringLiteral("/tmp/tefkimbro-fuzz-") + QString::fromLatin1(Nome);
    QFile Arquivo(Caminho);
    if (Arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Arquivo.write(reinterpret_cast<const char*>(Dados), static_cast<qsizetype>(Tamanho));
    }
    return Caminho;
}
