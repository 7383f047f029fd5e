#include "Diario.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace sim {

void Registra(const nlohmann::json& Linha) {
    const char* Caminho = std::getenv("CLISITEF_SIM_DIARIO");
    if (Caminho == nullptr || *Caminho == '\0') {
        return;
    }
    const std::string Texto =
        Linha.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    const int Descritor = ::open(Caminho, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (Descritor < 0) {
        return;
    }
    // One write per line: lines of concurrent writers never interleave.
    [[maybe_unused]] const ssize_t Gravados = ::write(Descritor, Texto.data(), Texto.size());
    ::close(Descritor);
}

std::string PastaDeEstado() {
    const char* Caminho = std::getenv("CLISITEF_SIM_DIARIO");
    if (Caminho == nullptr || *Caminho == '\0') {
        return ".";
    }
    const std::string Diario(Caminho);
    const size_t Barra = Diario.rfind('/');
    if (Barra == std::string::npos) {
        return ".";
    }
    return Barra == 0 ? "/" : Diario.substr(0, Barra);
}

} // namespace sim
