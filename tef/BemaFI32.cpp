#include "BemaFI32.h"

#include "RegistroTEF.h"

#include <dlfcn.h>

TBemaFI32::TBemaFI32(const QString& NomeArquivo) {
    FModulo = ::dlopen(NomeArquivo.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (FModulo == nullptr) {
        qCInfo(lcBibliotecaSiTef).noquote()
            << "fiscal printer library" << NomeArquivo << "not found";
        return;
    }
    FFinalizaModoTEF = reinterpret_cast<int (*)()>(::dlsym(FModulo, "Bematech_FI_FinalizaModoTEF"));
}

TBemaFI32::~TBemaFI32() {
    if (FModulo != nullptr) {
        ::dlclose(FModulo);
    }
}

void TBemaFI32::Bematech_FI_FinalizaModoTEF() {
    if (FFinalizaModoTEF != nullptr) {
        FFinalizaModoTEF();
    }
}
