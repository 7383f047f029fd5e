#include "Win1252.h"

#include "Erros.h"

#include <QList>

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr const char* NomeCodificacao = "windows-1252";

// The converter writes this byte for a character it cannot map.
constexpr char ByteSubstituto = '\x1a';

QStringEncoder NovoCodificador() {
    return QStringEncoder(NomeCodificacao, QStringConverter::Flag::Stateless);
}

// One character's byte, asked of the converter; "?" for one that has none.
char PerguntaAoConversor(char32_t Caractere) {
    // Opening a converter costs far more than converting: one per thread.
    thread_local QStringEncoder Codificador = NovoCodificador();
    const char32_t Unidades[] = {Caractere};
    const QByteArray Bytes = Codificador.encode(QStringView(QString::fromUcs4(Unidades, 1)));
    if (Bytes.size() != 1 || (Bytes[0] == ByteSubstituto && Caractere != 0x1a)) {
        return '?';
    }
    return Bytes[0];
}

// The same, remembered for the 16-bit characters: a receipt repeats its few
// accented letters on every line, and the converter costs a call and two
// allocations each time. An entry holds the byte plus one; 0 is not asked yet.
char CodificaUmCaractere(char32_t Caractere) {
    if (Caractere > 0xffff) {
        return PerguntaAoConversor(Caractere);
    }
    thread_local std::vector<std::uint16_t> Lembrados(0x10000, 0);
    std::uint16_t& Lembrado = Lembrados[Caractere];
    if (Lembrado == 0) {
        Lembrado = static_cast<std::uint16_t>(
            static_cast<unsigned char>(PerguntaAoConversor(Caractere)) + 1);
    }
    return static_cast<char>(Lembrado - 1);
}

} // namespace

void VerificaCodificacaoWin1252() {
    if (!NovoCodificador().isValid() ||
        !QStringDecoder(NomeCodificacao, QStringConverter::Flag::Stateless).isValid()) {
        throw EErro(QStringLiteral("Esta instalação não tem o conversor de texto Windows-1252; "
                                   "instale o Qt com suporte a ICU."));
    }
}

void AcrescentaWin1252(QByteArray& Destino, QStringView Texto) {
    const qsizetype Inicio = Destino.size();
    const qsizetype Tamanho = Texto.size();
    Destino.resize(Inicio + Tamanho);
    char* Saida = Destino.data() + Inicio;
    const QChar* Entrada = Texto.data();
    for (qsizetype I = 0; I < Tamanho; ++I) {
        const QChar Unidade = Entrada[I];
        // ASCII is the same in both.
        if (Unidade.unicode() < 0x80) {
            *Saida++ = static_cast<char>(Unidade.unicode());
            continue;
        }
        char32_t Caractere = Unidade.unicode();
        if (Unidade.isHighSurrogate() && I + 1 < Tamanho && Entrada[I + 1].isLowSurrogate()) {
            Caractere = QChar::surrogateToUcs4(Unidade, Entrada[++I]);
        }
        *Saida++ = CodificaUmCaractere(Caractere);
    }
    Destino.truncate(Saida - Destino.data());
}

QByteArray ParaWin1252(const QString& Texto) {
    QByteArray Resultado;
    AcrescentaWin1252(Resultado, Texto);
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

QString ForaDeWin1252(QStringView Texto) {
    QString Recusados;
    for (const char32_t Caractere : Texto.toUcs4()) {
        if (Caractere < 0x80 || CodificaUmCaractere(Caractere) != '?') {
            continue;
        }
        const QString Um = QString::fromUcs4(&Caractere, 1);
        if (!Recusados.contains(Um)) {
            Recusados += Um;
        }
    }
    return Recusados;
}
