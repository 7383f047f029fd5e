// A client library that has only the successor of the confirmation call.
#include <cstring>
#include <string>

namespace {
std::string Registro;
}

extern "C" __attribute__((visibility("default"))) void
FinalizaFuncaoSiTefInterativo(short Confirma, const char* Cupom, const char* Data, const char* Hora,
                              const char* Parametros) {
    Registro = std::to_string(Confirma) + "|" + Cupom + "|" + Data + "|" + Hora + "|" +
               (Parametros == nullptr ? "<nulo>" : Parametros);
}

extern "C" __attribute__((visibility("default"))) const char* UltimaFinalizacao() {
    return Registro.c_str();
}
