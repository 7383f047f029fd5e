#include "Roteiro.h"

#include "Diario.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sim {
namespace {

nlohmann::json RoteiroInvalido(const std::string& Caminho, const std::string& Motivo) {
    std::fprintf(stderr, "clisitef simulator: scenario %s not used: %s\n", Caminho.c_str(),
                 Motivo.c_str());
    Registra({{"evento", "roteiroInvalido"}, {"roteiro", Caminho}, {"motivo", Motivo}});
    return nlohmann::json{{"funcoes", nlohmann::json::object()}};
}

} // namespace

nlohmann::json CarregaRoteiro() {
    const char* Caminho = std::getenv("CLISITEF_SIM_ROTEIRO");
    if (Caminho == nullptr || *Caminho == '\0') {
        return RoteiroDemo();
    }
    std::ifstream Arquivo(Caminho);
    if (!Arquivo) {
        return RoteiroInvalido(Caminho, "cannot be read");
    }
    std::stringstream Conteudo;
    Conteudo << Arquivo.rdbuf();
    nlohmann::json Roteiro = nlohmann::json::parse(Conteudo.str(), nullptr, false);
    if (Roteiro.is_discarded() || !Roteiro.is_object()) {
        return RoteiroInvalido(Caminho, "not a JSON object");
    }
    if (!Roteiro.contains("funcoes") || !Roteiro["funcoes"].is_object()) {
        return RoteiroInvalido(Caminho, "no \"funcoes\" object");
    }
    return Roteiro;
}

} // namespace sim
