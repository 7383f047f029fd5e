#include "ArquivoPerfil.h"

#include "ArquivoAtomico.h"
#include "Erros.h"
#include "Win1252.h"

#include <QFile>

#define SI_CONVERT_ICU
#include <SimpleIni.h>
#include <sys/stat.h>

namespace {

using TIni = CSimpleIniA;

// Reads the whole file; false when it exists but cannot be read or parsed.
bool Carrega(const QString& Caminho, TIni& Ini) {
    QFile Arquivo(Caminho);
    if (!Arquivo.exists()) {
        return true;
    }
    if (!Arquivo.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray Conteudo = Arquivo.readAll();
    return Ini.LoadData(Conteudo.constData(), static_cast<size_t>(Conteudo.size())) >= 0;
}

bool SomenteLeitura(const QString& Caminho) {
    struct stat Estado {};
    return ::stat(QFile::encodeName(Caminho).constData(), &Estado) == 0 &&
           (Estado.st_mode & S_IWUSR) == 0;
}

[[noreturn]] void FalhaGravacao(const QString& Caminho) {
    throw EErroGravacao(QStringLiteral("Unable to write to %1").arg(Caminho));
}

} // namespace

QString TArquivoPerfil::LeTexto(const QString& Secao, const QString& Chave,
                                const QString& Padrao) const {
    TIni Ini;
    if (!Carrega(FCaminho, Ini)) {
        return Padrao;
    }
    const char* Valor =
        Ini.GetValue(ParaWin1252(Secao).constData(), ParaWin1252(Chave).constData());
    if (Valor == nullptr) {
        return Padrao;
    }
    return DeWin1252(QByteArray(Valor).left(TamanhoBufferLeitura - 1));
}

void TArquivoPerfil::GravaTexto(const QString& Secao, const QString& Chave, const QString& Valor) {
    TIni Ini;
    if (SomenteLeitura(FCaminho) || !Carrega(FCaminho, Ini)) {
        FalhaGravacao(FCaminho);
    }
    Ini.SetValue(ParaWin1252(Secao).constData(), ParaWin1252(Chave).constData(),
                 ParaWin1252(Valor).constData());
    std::string Conteudo;
    if (Ini.Save(Conteudo) < 0) {
        FalhaGravacao(FCaminho);
    }
    try {
        GravaArquivoAtomico(FCaminho, QByteArray::fromStdString(Conteudo), 0600);
    } catch (const EErroGravacao&) {
        FalhaGravacao(FCaminho);
    }
}
