#include "Pendencias.h"

#include "Diario.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>

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

void RegistraPendente(const std::string& Cupom, const std::string& Data, const std::string& Hora) {
    nlohmann::json Pendentes = LePendentes();
    Pendentes.push_back({{"cupom", Cupom}, {"data", Data}, {"hora", Hora}});
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

} // namespace sim
