#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The client library and every working file speak Windows-1252; the program
// speaks QString. These are the only places where the two meet.

// Raises EErro when the platform has no Windows-1252 converter; called once at
// start so that a broken installation is told at once, not in mid-sale.
void VerificaCodificacaoWin1252();

// A character with no Windows-1252 byte becomes "?", never a control byte.
QByteArray ParaWin1252(const QString& Texto);
// The same, appended to Destino (the report renders a page line by line).
void AcrescentaWin1252(QByteArray& Destino, QStringView Texto);

QString DeWin1252(QByteArrayView Bytes);

// The characters of Texto that have no Windows-1252 byte, each once, in order;
// empty when every one has (a file that must not silently hold "?").
QString ForaDeWin1252(QStringView Texto);
