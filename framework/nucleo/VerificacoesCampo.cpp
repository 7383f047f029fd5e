#include "VerificacoesCampo.h"

namespace VerificacoesCampo {
namespace {

bool EmBranco(const QString& Texto) {
    return Texto.trimmed().isEmpty();
}

} // namespace

std::optional<double> LeNumero(const QString& Texto, const QLocale& Local) {
    QString Limpo = Texto;
    Limpo.remove(Local.groupSeparator());
    Limpo.remove(u'%');
    bool Valido = false;
    const double Numero = Local.toDouble(Limpo.trimmed(), &Valido);
    return Valido ? std::optional<double>(Numero) : std::nullopt;
}

std::optional<QString> Obrigatorio(const QString& Texto) {
    return EmBranco(Texto) ? std::optional<QString>(MensagemObrigatorio) : std::nullopt;
}

std::optional<QString> MaiorQueZero(const QString& Texto, const QLocale& Local) {
    if (EmBranco(Texto)) {
        return std::nullopt;
    }
    const std::optional<double> Numero = LeNumero(Texto, Local);
    return Numero && *Numero > 0 ? std::nullopt : std::optional<QString>(MensagemMaiorQueZero);
}

std::optional<QString> NaoNegativo(const QString& Texto, const QLocale& Local) {
    if (EmBranco(Texto)) {
        return std::nullopt;
    }
    const std::optional<double> Numero = LeNumero(Texto, Local);
    return Numero && *Numero >= 0 ? std::nullopt : std::optional<QString>(MensagemNaoNegativo);
}

} // namespace VerificacoesCampo
