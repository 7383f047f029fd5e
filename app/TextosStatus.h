#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

// What the status display shows for a library result.
QString TextoStatusTEF(std::int32_t StatusTEF);
QString TextoStatusPinPad(std::int32_t StatusPinPad);

inline const QColor CorOnline(0, 128, 0);
inline const QColor CorFalha(255, 0, 0);
