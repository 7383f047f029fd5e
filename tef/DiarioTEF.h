#pragma once

#include <QDir>
#include <QLoggingCategory>
#include <QString>

// The daily TEF log that support asks for when a payment is disputed: every
// library call with its arguments and result, one file a day in "log/" under
// the working folder ("tef-AAAAMMDD.log"), always on whatever the logging
// rules say. It is Qt's logging: the binding writes to the category below,
// and a message handler puts its lines, with a millisecond timestamp, into
// the day's file. Card data never reaches it: the binding leaves out the
// replies to sensitive fields, and the handler masks card-like runs (see
// Mascara) in every line the process logs, whatever its category, on its
// way to this file or to standard error.
Q_DECLARE_LOGGING_CATEGORY(lcDiarioTEF)

namespace DiarioTEF {

inline constexpr int RetencaoPadrao = 30; // days

// Starts the log in Pasta/log (created when missing; the folder 0700, each
// day file 0600, whatever the umask) and removes day files older than
// DiasRetencao days. A log that cannot be written never stops the station:
// the first failure is kept for Falha().
void Inicia(const QDir& Pasta, int DiasRetencao);
// Stops writing (the handler goes back to the one before, unmasked).
void Encerra();

// What went wrong the first time a line could not be written; empty while
// nothing has.
QString Falha();

// A run of digits, single blanks, dots or dashes allowed between them (a
// card number as printed or typed), keeps its last four digits, the others
// becoming asterisks and the separators staying, when it has 12 to 19
// digits that pass the card check digit (Luhn), or more than 19. Other
// runs (NSUs, dates, file names) stay readable.
QString Mascara(const QString& Texto);

} // namespace DiarioTEF
