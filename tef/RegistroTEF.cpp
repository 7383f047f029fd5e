#include "RegistroTEF.h"

Q_LOGGING_CATEGORY(lcBibliotecaSiTef, "tefkimbro.tef.biblioteca", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSequenciaTEF, "tefkimbro.tef.sequencia", QtWarningMsg)
