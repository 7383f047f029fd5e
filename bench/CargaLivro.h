#pragma once

#include <QDate>
#include <QString>

class QSqlError;

// Ends a benchmark on a failed query, saying why.
[[noreturn]] void FalhaBanco(const QSqlError& Erro);

// A journal in Arquivo as Dias days of sales would have left it, made as
// the station makes its schema: Linhas rows spread day after day up to
// Ultimo, each printed and confirmed, a receipt of about 1.2 KB each. The
// file is closed when it returns.
void PreencheLivro(const QString& Arquivo, int Linhas, int Dias, const QDate& Ultimo);
