// A client library that has, of the calls the station makes, only the
// successor of the confirmation call and the four-argument configuration
// (no ConfiguraIntSiTefInterativoEx).
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

extern "C" __attribute__((visibility("default"))) int
ConfiguraIntSiTefInterativo(const char* Ip, const char* Loja, const char* Terminal, short) {
    Registro = std::string("configura|") + Ip + "|" + Loja + "|" + Terminal;
    return 0;
}

extern "C" __attribute__((visibility("default"))) const char* UltimaFinalizacao() {
    return Registro.c_str();
}
