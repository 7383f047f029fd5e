#include "InicioTEF.h"

#include "CicloTransacao.h"

#include <QRegularExpression>

#include <utility>

namespace {

// The check digit of the first N characters, weights 2 to 9 from the
// right; each character counts its code less that of "0" (a digit its
// value, a letter of the alphanumeric CNPJ 17 to 42).
int DigitoCnpj(const QString& Cnpj, int N) {
    int Soma = 0;
    for (int I = N - 1, Peso = 2; I >= 0; --I, Peso = Peso == 9 ? 2 : Peso + 1) {
        Soma += (Cnpj[I].unicode() - u'0') * Peso;
    }
    const int Resto = Soma % 11;
    return Resto < 2 ? 0 : 11 - Resto;
}

// What the status line says of the configuration the library was given.
QString AvisoDaConfiguracao(const TBibliotecaSiTef& Biblioteca, const TParametrosInicio& P) {
    if (!Biblioteca.AceitaParametrosConfiguracao()) {
        return P.Tls ? QStringLiteral("TLS marcado, mas a biblioteca SiTef não tem "
                                      "ConfiguraIntSiTefInterativoEx: a comunicação segue sem TLS.")
                     : QString();
    }
    QStringList Problemas;
    for (const auto& [Cnpj, Nome] :
         {std::pair{&P.CnpjLoja, "CNPJ da loja (CNPJ_LOJA)"},
          std::pair{&P.CnpjSoftwareHouse, "CNPJ da software house (CNPJ_SOFTWARE_HOUSE)"}}) {
        if (!CnpjValido(*Cnpj)) {
            Problemas.append(Cnpj->isEmpty()
                                 ? QStringLiteral("sem o ") + QString::fromUtf8(Nome)
                                 : QString::fromUtf8(Nome) + QStringLiteral(" inválido"));
        }
    }
    return Problemas.isEmpty() ? QString()
                               : QStringLiteral("Configuração TEF: %1. A biblioteca SiTef pede os "
                                                "dois CNPJs.")
                                     .arg(Problemas.join(QStringLiteral("; ")));
}

} // namespace

bool CnpjValido(const QString& Cnpj) {
    static const QRegularExpression Forma(QStringLiteral("^[0-9A-Z]{12}[0-9]{2}$"));
    return Forma.match(Cnpj).hasMatch() && Cnpj.count(Cnpj[0]) != Cnpj.size() &&
           DigitoCnpj(Cnpj, 12) == Cnpj[12].digitValue() &&
           DigitoCnpj(Cnpj, 13) == Cnpj[13].digitValue();
}

QString ParametrosConfiguracao(const TParametrosInicio& Parametros) {
    QStringList Clientes;
    if (CnpjValido(Parametros.CnpjLoja)) {
        Clientes.append(QStringLiteral("1=") + Parametros.CnpjLoja);
    }
    if (CnpjValido(Parametros.CnpjSoftwareHouse)) {
        Clientes.append(QStringLiteral("2=") + Parametros.CnpjSoftwareHouse);
    }
    QStringList Grupos;
    if (!Clientes.isEmpty()) {
        Grupos.append(QStringLiteral("[ParmsClient=%1]").arg(Clientes.join(u';')));
    }
    if (Parametros.Tls) {
        Grupos.append(QStringLiteral("[TipoComunicacaoExterna=SSL]"));
    }
    return Grupos.join(u';');
}

TInicioTEF IniciaTEF(TAmbienteTEF& Ambiente, const TParametrosInicio& Parametros) {
    TBibliotecaSiTef& Biblioteca = Ambiente.Biblioteca;
    TInicioTEF Inicio;
    Inicio.AvisoConfiguracao = AvisoDaConfiguracao(Biblioteca, Parametros);
    Inicio.StatusTEF = Biblioteca.ConfiguraIntSiTefInterativo(
        Parametros.HostServidor, Parametros.IdentEmpresa, Parametros.IdentEstacao,
        Biblioteca.AceitaParametrosConfiguracao() ? ParametrosConfiguracao(Parametros) : QString());
    if (Inicio.StatusTEF == 0) {
        Inicio.Mensagens = ResolvePendencias(Ambiente);
        Inicio.StatusTEF = TestaComunicacaoTEF(Ambiente, true);
    } else {
        Inicio.Mensagens = MensagensPendenciasAbertas(Ambiente.Livro);
    }
    Inicio.StatusPinPad = Biblioteca.VerificaPresencaPinPad();
    if (Inicio.StatusPinPad == 1) {
        Biblioteca.EscreveMensagemPermanentePinPad(PrefixoPinPad + Parametros.TextoPinPad);
    }
    return Inicio;
}
