#include "ConfiguracaoEstacao.h"

#include "ArquivoPerfil.h"
#include "DiarioTEF.h"
#include "InicioTEF.h"
#include "VendaEmPartes.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString Secao = QStringLiteral("CONF_TEF");
const QString ChaveQRCodeNaTela = QStringLiteral("QRCODE_NA_TELA");
const QString ChaveTls = QStringLiteral("COMUNICACAO_TLS");

// A whole number of the file; nothing when the key is absent or holds
// anything else.
std::optional<int> Numero(const TArquivoPerfil& Arquivo, const QString& Chave) {
    bool Ok = false;
    const int Valor = Arquivo.LeTexto(Secao, Chave, QString()).trimmed().toInt(&Ok);
    return Ok ? std::optional<int>(Valor) : std::nullopt;
}

bool Marcado(const TArquivoPerfil& Arquivo, const QString& Chave) {
    return Arquivo.LeTexto(Secao, Chave, QString()).trimmed() == u'1';
}

} // namespace

QString CnpjSemPontuacao(const QString& Texto) {
    static const QRegularExpression Pontuacao(QStringLiteral("[\\s./-]"));
    return QString(Texto).remove(Pontuacao).toUpper();
}

const std::vector<TConfiguracaoEstacao::TCampoTexto>& TConfiguracaoEstacao::CamposTexto() {
    using T = TConfiguracaoEstacao;
    static const std::vector<TCampoTexto> Campos = {
        {"HOST_SERVIDOR", &T::HostServidor}, {"IDENT_EMPRESA", &T::IdentEmpresa},
        {"IDENT_ESTACAO", &T::IdentEstacao}, {"SENHA_TEF", &T::SenhaTEF},
        {"TEXTO_PINPAD", &T::TextoPinPad},   {"CNPJ_LOJA", &T::CnpjLoja}};
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
    C.CnpjLoja = CnpjSemPontuacao(C.CnpjLoja);
    C.CnpjSoftwareHouse =
        CnpjSemPontuacao(Ini.LeTexto(Secao, QStringLiteral("CNPJ_SOFTWARE_HOUSE"), QString()));
    C.QRCodeNaTela = Marcado(Ini, ChaveQRCodeNaTela);
    C.Tls = Marcado(Ini, ChaveTls);
    const std::optional<int> Dias = Numero(Ini, QStringLiteral("DIAS_LOG_TEF"));
    C.DiasLogTEF = Dias && *Dias >= 0 ? *Dias : DiarioTEF::RetencaoPadrao;
    C.MesesLivroTEF =
        std::max(Numero(Ini, QStringLiteral("MESES_LIVRO_TEF")).value_or(MesesLivroMinimo),
                 MesesLivroMinimo);
    C.MaximoPartes =
        std::max(Numero(Ini, QStringLiteral("MAXIMO_PARTES")).value_or(MaximoPartesPadrao), 2);
    return C;
}

std::optional<TRecusaConfiguracao> GravaConfiguracao(TConfiguracaoEstacao Configuracao) {
    using T = TConfiguracaoEstacao;
    TArquivoPerfil Ini(T::Arquivo());
    Configuracao.CnpjLoja = CnpjSemPontuacao(Configuracao.CnpjLoja);
    if (!Configuracao.CnpjLoja.isEmpty() && !CnpjValido(Configuracao.CnpjLoja)) {
        return TRecusaConfiguracao{
            &T::CnpjLoja, QStringLiteral("CNPJ_LOJA"),
            QStringLiteral("não é um CNPJ válido: confira os 14 caracteres.")};
    }
    for (const auto& [Chave, Campo] : T::CamposTexto()) {
        const QString Recusados = Ini.CaracteresRecusados(Configuracao.*Campo);
        if (!Recusados.isEmpty()) {
            return TRecusaConfiguracao{
                Campo, QString::fromLatin1(Chave),
                QStringLiteral("tem caracteres que o arquivo de configuração (%1) não aceita: %2")
                    .arg(TArquivoPerfil::NomeCodificacao(Ini.Codificacao()), Recusados)};
        }
    }
    for (const auto& [Chave, Campo] : T::CamposTexto()) {
        Ini.GravaTexto(Secao, QString::fromLatin1(Chave), Configuracao.*Campo);
    }
    for (const auto& [Chave, Marca] :
         {std::pair{ChaveQRCodeNaTela, Configuracao.QRCodeNaTela}, {ChaveTls, Configuracao.Tls}}) {
        Ini.GravaTexto(Secao, Chave, Marca ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return std::nullopt;
}
