#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The checks a field runs when the operator leaves it. Each answers the
// message to show, or nothing when the text passes.
namespace VerificacoesCampo {

inline const QString MensagemObrigatorio =
    QStringLiteral("O preenchimento deste ítem é obrigatório.");
inline const QString MensagemMaiorQueZero =
    QStringLiteral("O valor informado precisa ser um número válido maior que zero.");
inline const QString MensagemNaoNegativo =
    QStringLiteral("O valor informado precisa ser um número válido maior ou igual a zero.");

// Refuses a text that is empty once blanks are removed.
std::optional<QString> Obrigatorio(const QString& Texto);
// Blank passes; otherwise the text must be a number greater than zero.
std::optional<QString> MaiorQueZero(const QString& Texto, const QLocale& Local = QLocale());
// Blank passes; otherwise the text must be a number not below zero.
std::optional<QString> NaoNegativo(const QString& Texto, const QLocale& Local = QLocale());

// The text read as a number after the locale's thousands separators and every
// "%" are removed; nothing when it is not a number.
std::optional<double> LeNumero(const QString& Texto, const QLocale& Local = QLocale());

} // namespace VerificacoesCampo
