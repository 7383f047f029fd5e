#pragma once

#include <QLoggingCategory>

// Log categories of the TEF engine; warnings only unless QT_LOGGING_RULES
// asks for more (for example "tefkimbro.tef.*.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcBibliotecaSiTef)
Q_DECLARE_LOGGING_CATEGORY(lcSequenciaTEF)
Q_DECLARE_LOGGING_CATEGORY(lcLacoTEF)
Q_DECLARE_LOGGING_CATEGORY(lcLivroTEF)
