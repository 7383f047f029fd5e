#include "RegistroTEF.h"

Q_LOGGING_CATEGORY(lcBibliotecaSiTef, "tefkimbro.tef.biblioteca", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSequenciaTEF, "tefkimbro.tef.sequencia", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLacoTEF, "tefkimbro.tef.laco", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLivroTEF, "tefkimbro.tef.livro", QtWarningMsg)
