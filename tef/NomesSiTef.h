#pragma once

#include <QString>

// The names the SiTef client library's public tables give its codes: the
// card brand (field type 132) and the authorising network (field type 131).
// The codes come as digits, with or without leading zeros; an unknown code,
// or anything else, is shown as it came.
QString NomeDaBandeira(const QString& Codigo);
QString NomeDaRede(const QString& Codigo);
