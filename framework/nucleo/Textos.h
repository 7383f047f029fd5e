#pragma once

#include <QString>

// The text without the blanks and control characters at its ends (every
// character up to the blank counts), as the station trims what it reads from
// files and from the library.
QString AparaControles(const QString& Texto);
