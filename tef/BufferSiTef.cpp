#include "BufferSiTef.h"

#include "Win1252.h"

#include <cstring>

QByteArray TBufferSiTef::Bytes() const {
    const void* Zero = std::memchr(FDados.data(), '\0', FDados.size());
    const qsizetype Comprimento =
        Zero != nullptr ? static_cast<const char*>(Zero) - FDados.data() : qsizetype(FDados.size());
    return QByteArray(FDados.data(), Comprimento);
}

QString TBufferSiTef::TextoMensagem() const {
    return QLatin1Char(' ') + DeWin1252(Bytes());
}

void TBufferSiTef::EscreveResposta(const QString& Resposta) {
    const QByteArray Bytes = ParaWin1252(Resposta);
    const size_t Comprimento =
        std::min<size_t>(static_cast<size_t>(Bytes.size()), FDados.size() - 1);
    std::memcpy(FDados.data(), Bytes.constData(), Comprimento);
    FDados[Comprimento] = '\0';
    FRespondido = true;
}
