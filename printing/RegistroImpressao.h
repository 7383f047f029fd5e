#pragma once

#include <QLoggingCategory>

// Why a receipt did not print: the queue, the job and what CUPS said, the
// spool file, the output file, the printer driver. Warnings by default; the
// daily TEF log keeps every line of it as well.
Q_DECLARE_LOGGING_CATEGORY(lcImpressao)
