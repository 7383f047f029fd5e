#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace sim {

// The journal: one JSON object per line, appended and flushed before the call
// that wrote it returns. CLISITEF_SIM_DIARIO names it; unset, nothing is written.
void Registra(const nlohmann::json& Linha);

// Folder of the simulator's own state: the journal's folder, or the working
// directory when there is no journal.
std::string PastaDeEstado();

} // namespace sim
