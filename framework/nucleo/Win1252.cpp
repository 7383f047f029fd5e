#include "Win1252.h"

#include "Erros.h"

#include <QList>

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace {

constexpr const char* NomeCodificacao = "windows-1252";

// The converter writes this byte for a character it cannot map.
constexpr char ByteSubstituto = '\x1a';

QStringEncoder NovoCodificador() {
    return QStringEncoder(NomeCodificacao, QStringConverter::Flag::Stateless);
}

// One character's byte; "?" for one that has none.
char CodificaUmCaractere(char32_t Caractere) {
    // Opening a converter costs far more than converting: one per thread.
    thread_local QStringEncoder Codificador = NovoCodificador();
    const char32_t Unidades[] = {Caractere};
    const QByteArray Bytes = Codificador.encode(QStringView(QString::fromUcs4(Unidades, 1)));
    if (Bytes.size() != 1 || (Bytes[0] == ByteSubstituto && Caractere != 0x1a)) {
        return '?';
    }
    return Bytes[0];
}

} // namespace

void VerificaCodificacaoWin1252() {
    if (!NovoCodificador().isValid() ||
        !QStringDecoder(NomeCodificacao, QStringConverter::Flag::Stateless).isValid()) {
        throw EErro(QStringLiteral("Esta instalação não tem o conversor de texto Windows-1252; "
                                   "instale o Qt com suporte a ICU."));
    }
}

QByteArray ParaWin1252(const QString& Texto) {
    QByteArray Resultado(Texto.size(), Qt::Uninitialized);
    char* Saida = Resultado.data();
    const qsizetype Tamanho = Texto.size();
    for (qsizetype I = 0; I < Tamanho; ++I) {
        const QChar Unidade = Texto[I];
        // ASCII is the same in both.
        if (Unidade.unicode() < 0x80) {
            *Saida++ = static_cast<char>(Unidade.unicode());
            continue;
        }
        char32_t Caractere = Unidade.unicode();
        if (Unidade.isHighSurrogate() && I + 1 < Tamanho && Texto[I + 1].isLowSurrogate()) {
            Caractere = QChar::surrogateToUcs4(Unidade, Texto[++I]);
        }
        *Saida++ = CodificaUmCaractere(Caractere);
    }
    Resultado.truncate(Saida - Resultado.data());
    return Resultado;
}

QString DeWin1252(QByteArrayView Bytes) {
    const bool SoAscii = std::all_of(Bytes.begin(), Bytes.end(), [](char Byte) {
        return static_cast<unsigned char>(Byte) < 0x80;
    });
    if (SoAscii) {
        return QString::fromLatin1(Bytes);
    }
    thread_local QStringDecoder Decodificador(NomeCodificacao, QStringConverter::Flag::Stateless);
    return Decodificador.decode(Bytes);
}
