#include "CodigosImpressora.h"

#include "TNStringList.h"

#include <QFile>
#include <optional>

namespace {

const char* const Chaves[TPrinterCodes::Quantidade] = {
    "PrinterName",       "CondensedOn", "CondensedOff", "SuperCondensedOn",
    "SuperCondensedOff", "BoldOn",      "BoldOff",      "ItalicsOn",
    "ItalicsOff",        "LineFeed",    "EjectPage",    "DoubleStrikeOn",
    "DoubleStrikeOff",   "UnderlineOn", "UnderlineOff", "LineSpacing16",
    "LineSpacing18",     "Reset"};

QByteArray Bytes(std::initializer_list<int> Codigos) {
    QByteArray Resultado;
    for (int Codigo : Codigos) {
        Resultado.append(static_cast<char>(Codigo));
    }
    return Resultado;
}

std::optional<QByteArray> LeCodigos(const QString& Valor) {
    QByteArray Resultado;
    for (const QString& Peca : Valor.split(u'#')) {
        if (Peca.trimmed().isEmpty()) {
            continue;
        }
        bool Valido = false;
        const int Codigo = Peca.trimmed().toInt(&Valido, 10);
        if (!Valido || Codigo < 0 || Codigo > 255) {
            return std::nullopt;
        }
        Resultado.append(static_cast<char>(Codigo));
    }
    return Resultado;
}

QString Valor(const TNStringList& Linhas, const char* Chave) {
    const QString Procurada = QString::fromLatin1(Chave);
    for (const QString& Linha : Linhas.Itens()) {
        const qsizetype Igual = Linha.indexOf(u'=');
        if (Igual > 0 && Linha.left(Igual).trimmed().compare(Procurada, Qt::CaseInsensitive) == 0) {
            return Linha.mid(Igual + 1);
        }
    }
    return QString();
}

} // namespace

const char* TPrinterCodes::NomeChave(size_t Indice) {
    return Chaves[Indice];
}

TPrinterCodes TPrinterCodes::Padrao() {
    TPrinterCodes Tabela;
    Tabela.Codigos = {QByteArrayLiteral("Default"),
                      Bytes({15}),
                      Bytes({18}),
                      Bytes({15, 27, 77}),
                      Bytes({18}),
                      Bytes({27, 69}),
                      Bytes({27, 70}),
                      Bytes({27, 52}),
                      Bytes({27, 53}),
                      Bytes({13, 10}),
                      Bytes({12}),
                      Bytes({27, 87, 49}),
                      Bytes({27, 87, 48}),
                      Bytes({27, 45, 49}),
                      Bytes({27, 45, 48}),
                      Bytes({27, 50}),
                      Bytes({27, 48}),
                      Bytes({27, 64})};
    return Tabela;
}

bool TPrinterINI::Load(const QString& Arquivo, TPrinterCodes& Codigos) const {
    Codigos = TPrinterCodes::Padrao();
    if (!QFile::exists(Arquivo)) {
        return false;
    }
    TNStringList Linhas;
    try {
        Linhas.LoadFromFile(Arquivo);
    } catch (const std::exception&) {
        return false;
    }
    TPrinterCodes Lidos;
    const QString Nome = Valor(Linhas, Chaves[0]).trimmed();
    if (Nome.isEmpty()) {
        return false;
    }
    Lidos.Codigos[0] = Nome.toLatin1();
    for (size_t Indice = 1; Indice < TPrinterCodes::Quantidade; ++Indice) {
        const std::optional<QByteArray> Bytes = LeCodigos(Valor(Linhas, Chaves[Indice]));
        if (!Bytes) {
            return false;
        }
        Lidos.Codigos[Indice] = *Bytes;
    }
    Codigos = Lidos;
    return true;
}
