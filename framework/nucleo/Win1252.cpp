#include "Win1252.h"

#include "Erros.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char* NomeCodificacao = "windows-1252";

// The converter writes this byte for a character it cannot map.
constexpr char ByteSubstituto = '\x1a';

QStringEncoder NovoCodificador() {
    return QStringEncoder(NomeCodificacao, QStringConverter::Flag::Stateless);
}

QByteArray CodificaUmCaractere(QStringEncoder& Codificador, char32_t Caractere) {
    const char32_t Unidades[] = {Caractere};
    QByteArray Bytes = Codificador.encode(QStringView(QString::fromUcs4(Unidades, 1)));
    if (Bytes.size() != 1 || (Bytes[0] == ByteSubstituto && Caractere != 0x1a)) {
        return QByteArrayLiteral("?");
    }
    return Bytes;
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
    QStringEncoder Codificador = NovoCodificador();
    QByteArray Resultado;
    Resultado.reserve(Texto.size());
    for (char32_t Caractere : Texto.toUcs4()) {
        if (Caractere < 0x80) {
            Resultado.append(static_cast<char>(Caractere));
        } else {
            Resultado.append(CodificaUmCaractere(Codificador, Caractere));
        }
    }
    return Resultado;
}

QString DeWin1252(QByteArrayView Bytes) {
    QStringDecoder Decodificador(NomeCodificacao, QStringConverter::Flag::Stateless);
    return Decodificador.decode(Bytes);
}
