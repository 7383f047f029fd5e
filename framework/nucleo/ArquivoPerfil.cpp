#include "ArquivoPerfil.h"

#include "ArquivoAtomico.h"
#include "Erros.h"
#include "Win1252.h"

#include <QFile>

#include <algorithm>

#define SI_CONVERT_ICU
#include <SimpleIni.h>
#include <sys/stat.h>

namespace {

using TIni = CSimpleIniA;

constexpr QByteArrayView MarcaUtf8("\xef\xbb\xbf");

struct TConteudo {
    bool Legivel = true;
    QByteArray Bytes;
    TCodificacaoPerfil Codificacao = TCodificacaoPerfil::Windows1252;
};

bool SoAscii(QByteArrayView Bytes) {
    return std::all_of(Bytes.begin(), Bytes.end(),
                       [](char Byte) { return static_cast<unsigned char>(Byte) < 0x80; });
}

// A missing file reads as empty; Legivel is false when it exists but cannot be read.
TConteudo LeConteudo(const QString& Caminho) {
    TConteudo Conteudo;
    QFile Arquivo(Caminho);
    if (!Arquivo.exists()) {
        return Conteudo;
    }
    if (!Arquivo.open(QIODevice::ReadOnly)) {
        Conteudo.Legivel = false;
        return Conteudo;
    }
    Conteudo.Bytes = Arquivo.readAll();
    // Windows-1252 text with accents is almost never valid UTF-8 by chance.
    if (!SoAscii(Conteudo.Bytes) && Conteudo.Bytes.isValidUtf8()) {
        Conteudo.Codificacao = TCodificacaoPerfil::Utf8;
    }
    return Conteudo;
}

bool Carrega(const TConteudo& Conteudo, TIni& Ini) {
    return Conteudo.Legivel && Ini.LoadData(Conteudo.Bytes.constData(),
                                            static_cast<size_t>(Conteudo.Bytes.size())) >= 0;
}

QByteArray Codifica(TCodificacaoPerfil Codificacao, const QString& Texto) {
    return Codificacao == TCodificacaoPerfil::Utf8 ? Texto.toUtf8() : ParaWin1252(Texto);
}

QString Decodifica(TCodificacaoPerfil Codificacao, QByteArray Bytes) {
    const qsizetype Limite = TArquivoPerfil::TamanhoBufferLeitura - 1;
    if (Codificacao == TCodificacaoPerfil::Windows1252) {
        return DeWin1252(Bytes.left(Limite));
    }
    // The buffer is in bytes; never cut a character in two.
    qsizetype Tamanho = std::min(Bytes.size(), Limite);
    while (Tamanho < Bytes.size() && Tamanho > 0 &&
           (static_cast<unsigned char>(Bytes[Tamanho]) & 0xc0) == 0x80) {
        --Tamanho;
    }
    return QString::fromUtf8(Bytes.left(Tamanho));
}

QString Recusados(TCodificacaoPerfil Codificacao, const QString& Texto) {
    if (Codificacao == TCodificacaoPerfil::Windows1252) {
        return ForaDeWin1252(Texto);
    }
    // UTF-8 holds every character; only half a surrogate pair has no bytes.
    for (qsizetype I = 0; I < Texto.size(); ++I) {
        if (Texto[I].isHighSurrogate() && I + 1 < Texto.size() && Texto[I + 1].isLowSurrogate()) {
            ++I;
        } else if (Texto[I].isSurrogate()) {
            return QString(Texto[I]);
        }
    }
    return QString();
}

bool SomenteLeitura(const QString& Caminho) {
    struct stat Estado {};
    return ::stat(QFile::encodeName(Caminho).constData(), &Estado) == 0 &&
           (Estado.st_mode & S_IWUSR) == 0;
}

[[noreturn]] void FalhaGravacao(const QString& Caminho) {
    throw EErroGravacao(QStringLiteral("Unable to write to %1").arg(Caminho));
}

bool MesmoNome(QByteArrayView A, QByteArrayView B) {
    return A.compare(B, Qt::CaseInsensitive) == 0;
}

// Sets the key by editing the bytes themselves, as the reader sees them: the
// last line of the key in any block of the section is replaced, or the key
// goes after the section's last line, or a new section goes at the end.
// Every other byte stays as it was (a hand-edited file keeps its layout).
QByteArray ComChave(const QByteArray& Original, QByteArrayView Secao, QByteArrayView Chave,
                    QByteArrayView Valor) {
    const qsizetype InicioTexto = Original.startsWith(MarcaUtf8) ? MarcaUtf8.size() : 0;
    QByteArrayView Quebra("\n");
    if (const qsizetype Lf = Original.indexOf('\n'); Lf > 0 && Original[Lf - 1] == '\r') {
        Quebra = "\r\n";
    }
    qsizetype InicioValor = -1, FimValor = -1, FimSecao = -1;
    bool NaSecao = false;
    // The reader stops at a NUL byte: what follows it is not the file's.
    const qsizetype FimLido = Original.contains('\0') ? Original.indexOf('\0') : Original.size();
    for (qsizetype Inicio = InicioTexto; Inicio < FimLido;) {
        qsizetype Fim = Original.indexOf('\n', Inicio);
        Fim = Fim < 0 || Fim > FimLido ? FimLido : Fim;
        const qsizetype Proximo = Fim < FimLido ? Fim + 1 : FimLido;
        const qsizetype FimTexto = Fim > Inicio && Original[Fim - 1] == '\r' ? Fim - 1 : Fim;
        const QByteArrayView Linha = QByteArrayView(Original).sliced(Inicio, FimTexto - Inicio);
        const QByteArrayView Limpa = Linha.trimmed();
        if (Limpa.startsWith('[') && Limpa.contains(']')) {
            NaSecao = MesmoNome(Limpa.sliced(1, Limpa.indexOf(']') - 1).trimmed(), Secao);
            if (NaSecao) {
                FimSecao = Proximo;
            }
        } else if (NaSecao && !Limpa.isEmpty() && !Limpa.startsWith(';') &&
                   !Limpa.startsWith('#')) {
            FimSecao = Proximo;
            const qsizetype Igual = Linha.indexOf('=');
            if (Igual >= 0 && MesmoNome(Linha.first(Igual).trimmed(), Chave)) {
                qsizetype Depois = Igual + 1;
                while (Depois < Linha.size() && (Linha[Depois] == ' ' || Linha[Depois] == '\t')) {
                    ++Depois;
                }
                InicioValor = Inicio + Depois;
                FimValor = FimTexto;
            }
        }
        Inicio = Proximo;
    }
    QByteArray Novo = Original;
    if (InicioValor >= 0) {
        return Novo.replace(InicioValor, FimValor - InicioValor, Valor.toByteArray());
    }
    QByteArray LinhaChave = Chave.toByteArray() + " = " + Valor.toByteArray() + Quebra;
    const auto TerminaLinha = [&](qsizetype Posicao) {
        return Posicao <= InicioTexto || Novo[Posicao - 1] == '\n';
    };
    if (FimSecao >= 0) {
        if (!TerminaLinha(FimSecao)) {
            LinhaChave.prepend(Quebra.toByteArray());
        }
        return Novo.insert(FimSecao, LinhaChave);
    }
    QByteArray NovaSecao = '[' + Secao.toByteArray() + ']' + Quebra + LinhaChave;
    if (FimLido > InicioTexto) {
        NovaSecao.prepend(Quebra.toByteArray());
    }
    if (!TerminaLinha(FimLido)) {
        NovaSecao.prepend(Quebra.toByteArray());
    }
    return Novo.insert(FimLido, NovaSecao);
}

} // namespace

TCodificacaoPerfil TArquivoPerfil::Codificacao() const {
    return LeConteudo(FCaminho).Codificacao;
}

QString TArquivoPerfil::NomeCodificacao(TCodificacaoPerfil Codificacao) {
    return Codificacao == TCodificacaoPerfil::Utf8 ? QStringLiteral("UTF-8")
                                                   : QStringLiteral("Windows-1252");
}

QString TArquivoPerfil::CaracteresRecusados(const QString& Texto) const {
    return Recusados(Codificacao(), Texto);
}

QString TArquivoPerfil::LeTexto(const QString& Secao, const QString& Chave,
                                const QString& Padrao) const {
    const TConteudo Conteudo = LeConteudo(FCaminho);
    TIni Ini;
    if (!Carrega(Conteudo, Ini)) {
        return Padrao;
    }
    const char* Valor = Ini.GetValue(Codifica(Conteudo.Codificacao, Secao).constData(),
                                     Codifica(Conteudo.Codificacao, Chave).constData());
    if (Valor == nullptr) {
        return Padrao;
    }
    return Decodifica(Conteudo.Codificacao, QByteArray(Valor));
}

void TArquivoPerfil::GravaTexto(const QString& Secao, const QString& Chave, const QString& Valor) {
    if (SomenteLeitura(FCaminho)) {
        FalhaGravacao(FCaminho);
    }
    const TConteudo Conteudo = LeConteudo(FCaminho);
    TIni Ini;
    if (!Carrega(Conteudo, Ini)) {
        FalhaGravacao(FCaminho);
    }
    const TCodificacaoPerfil Formato = Conteudo.Codificacao;
    const QString Fora = Recusados(Formato, Secao + Chave + Valor);
    if (!Fora.isEmpty()) {
        throw EErro(QStringLiteral("%1 tem caracteres que o arquivo %2 (%3) não aceita: %4")
                        .arg(Chave, FCaminho, NomeCodificacao(Formato), Fora));
    }
    const QByteArray Novo = ComChave(Conteudo.Bytes, Codifica(Formato, Secao),
                                     Codifica(Formato, Chave), Codifica(Formato, Valor));
    // Windows-1252 bytes that happen to be UTF-8 would read back as other text.
    if (Formato == TCodificacaoPerfil::Windows1252 && !SoAscii(Novo) && Novo.isValidUtf8()) {
        throw EErro(QStringLiteral("%1 seria lido de volta como outro texto no arquivo %2 "
                                   "(Windows-1252): %3")
                        .arg(Chave, FCaminho, Valor));
    }
    try {
        GravaArquivoAtomico(FCaminho, Novo, 0600);
    } catch (const EErroGravacao&) {
        FalhaGravacao(FCaminho);
    }
}
