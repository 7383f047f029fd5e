#include "RegistroImpressao.h"

Q_LOGGING_CATEGORY(lcImpressao, "tefkimbro.impressao", QtWarningMsg)
