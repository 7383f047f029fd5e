#include "Pendencias.h"

#include "Diario.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <utility>

namespace sim {
namespace {

std::string ArquivoPendentes() {
    return PastaDeEstado() + "/clisitef_sim_pendentes.json";
}

nlohmann::json LePendentes() {
    std::ifstream Arquivo(ArquivoPendentes());
    if (!Arquivo) {
        return nlohmann::json::array();
    }
    nlohmann::json Pendentes = nlohmann::json::parse(Arquivo, nullptr, false);
    return Pendentes.is_array() ? Pendentes : nlohmann::json::array();
}

void GravaPendentes(const nlohmann::json& Pendentes) {
    const std::string Destino = ArquivoPendentes();
    if (Pendentes.empty()) {
        std::remove(Destino.c_str());
        return;
    }
    const std::string Temporario = Destino + ".tmp";
    {
        std::ofstream Arquivo(Temporario, std::ios::trunc);
        Arquivo << Pendentes.dump() << '\n';
    }
    std::rename(Temporario.c_str(), Destino.c_str());
}

void RegistraDesfeita(const nlohmann::json& Pendente) {
    Registra({{"evento", "desfeita"},
              {"cupom", Pendente.value("cupom", "")},
              {"data", Pendente.value("data", "")},
              {"hora", Pendente.value("hora", "")}});
}

} // namespace

void RegistraPendente(const std::string& Cupom, const std::string& Data, const std::string& Hora,
                      const std::string& NsuHost) {
    nlohmann::json Pendentes = LePendentes();
    nlohmann::json Pendente = {{"cupom", Cupom}, {"data", Data}, {"hora", Hora}};
    if (!NsuHost.empty()) {
        Pendente["nsu"] = NsuHost;
    }
    Pendentes.push_back(std::move(Pendente));
    GravaPendentes(Pendentes);
}

bool ResolvePendente(const std::string& Cupom, bool Confirmada) {
    nlohmann::json Pendentes = LePendentes();
    nlohmann::json Restantes = nlohmann::json::array();
    bool Encontrada = false;
    for (const nlohmann::json& Pendente : Pendentes) {
        if (Pendente.value("cupom", "") != Cupom) {
            Restantes.push_back(Pendente);
            continue;
        }
        Encontrada = true;
        if (!Confirmada) {
            RegistraDesfeita(Pendente);
        }
    }
    GravaPendentes(Restantes);
    return Encontrada;
}

void DesfazPendentes(const std::string& Cupom, const std::string& Data, const std::string& Hora) {
    nlohmann::json Partes = nlohmann::json::array();
    for (const nlohmann::json& Pendente : LePendentes()) {
        if (Pendente.value("cupom", "") == Cupom && Pendente.value("data", "") == Data &&
            Pendente.value("hora", "") == Hora) {
            Partes.push_back(Pendente);
        } else {
            RegistraDesfeita(Pendente);
        }
    }
    GravaPendentes(Partes);
}

int QuantidadePendentes(const std::string& Cupom, const std::string& Data) {
    const nlohmann::json Pendentes = LePendentes();
    return static_cast<int>(
        std::count_if(Pendentes.begin(), Pendentes.end(), [&](const nlohmann::json& Pendente) {
            return Pendente.value("cupom", "") == Cupom && Pendente.value("data", "") == Data;
        }));
}

nlohmann::json FuncaoConsultaPendentes(int Inicio) {
    const nlohmann::json Pendentes = LePendentes();
    const auto Campo = [](int TipoCampo, const std::string& Texto) {
        return nlohmann::json{{"comando", 0}, {"tipoCampo", TipoCampo}, {"texto", Texto}};
    };
    nlohmann::json Passos = nlohmann::json::array({Campo(210, std::to_string(Pendentes.size()))});
    // Parts of one sale are told apart by their number within the document.
    std::map<std::pair<std::string, std::string>, int> Partes;
    for (const nlohmann::json& Pendente : Pendentes) {
        const std::string Cupom = Pendente.value("cupom", "");
        const std::string Data = Pendente.value("data", "");
        Passos.push_back(Campo(160, Cupom));
        Passos.push_back(Campo(161, std::to_string(++Partes[{Cupom, Data}])));
        Passos.push_back(Campo(163, Data));
        Passos.push_back(Campo(164, Pendente.value("hora", "")));
        if (const std::string Nsu = Pendente.value("nsu", ""); !Nsu.empty()) {
            Passos.push_back(Campo(134, Nsu));
        }
    }
    return {{"inicio", Inicio}, {"passos", Passos}, {"resultado", 0}};
}

} // namespace sim
