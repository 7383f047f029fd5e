#include "ConfiguracaoEstacao.h"

#include "ArquivoPerfil.h"
#include "DiarioTEF.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString Secao = QStringLiteral("CONF_TEF");
const QString ChaveQRCodeNaTela = QStringLiteral("QRCODE_NA_TELA");

// A whole number of the file; nothing when the key is absent or holds
// anything else.
std::optional<int> Numero(const TArquivoPerfil& Arquivo, const QString& Chave) {
    bool Ok = false;
    const int Valor = Arquivo.LeTexto(Secao, Chave, QString()).trimmed().toInt(&Ok);
    return Ok ? std::optional<int>(Valor) : std::nullopt;
}

} // namespace

const std::vector<TConfiguracaoEstacao::TCampoTexto>& TConfiguracaoEstacao::CamposTexto() {
    using T = TConfiguracaoEstacao;
    static const std::vector<TCampoTexto> Campos = {{"HOST_SERVIDOR", &T::HostServidor},
                                                    {"IDENT_EMPRESA", &T::IdentEmpresa},
                                                    {"IDENT_ESTACAO", &T::IdentEstacao},
                                                    {"SENHA_TEF", &T::SenhaTEF},
                                                    {"TEXTO_PINPAD", &T::TextoPinPad}};
    return Campos;
}

QString TConfiguracaoEstacao::Arquivo() {
    const QString Pasta = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(Pasta);
    return QDir(Pasta).filePath(QStringLiteral("Tef_kimbro.Ini"));
}

TConfiguracaoEstacao TConfiguracaoEstacao::Le() {
    const TArquivoPerfil Ini(Arquivo());
    TConfiguracaoEstacao C;
    for (const auto& [Chave, Campo] : CamposTexto()) {
        C.*Campo = Ini.LeTexto(Secao, QString::fromLatin1(Chave), QString());
    }
    C.QRCodeNaTela = Ini.LeTexto(Secao, ChaveQRCodeNaTela, QString()).trimmed() == u'1';
    const std::optional<int> Dias = Numero(Ini, QStringLiteral("DIAS_LOG_TEF"));
    C.DiasLogTEF = Dias && *Dias >= 0 ? *Dias : DiarioTEF::RetencaoPadrao;
    C.MesesLivroTEF =
        std::max(Numero(Ini, QStringLiteral("MESES_LIVRO_TEF")).value_or(MesesLivroMinimo),
                 MesesLivroMinimo);
    return C;
}

std::optional<TRecusaConfiguracao> GravaConfiguracao(const TConfiguracaoEstacao& Configuracao) {
    TArquivoPerfil Ini(TConfiguracaoEstacao::Arquivo());
    for (const auto& [Chave, Campo] : TConfiguracaoEstacao::CamposTexto()) {
        const QString Recusados = Ini.CaracteresRecusados(Configuracao.*Campo);
        if (!Recusados.isEmpty()) {
            return TRecusaConfiguracao{Campo, QString::fromLatin1(Chave), Recusados,
                                       TArquivoPerfil::NomeCodificacao(Ini.Codificacao())};
        }
    }
    for (const auto& [Chave, Campo] : TConfiguracaoEstacao::CamposTexto()) {
        Ini.GravaTexto(Secao, QString::fromLatin1(Chave), Configuracao.*Campo);
    }
    Ini.GravaTexto(Secao, ChaveQRCodeNaTela,
                   Configuracao.QRCodeNaTela ? QStringLiteral("1") : QStringLiteral("0"));
    return std::nullopt;
}
