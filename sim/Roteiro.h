#pragma once

#include <nlohmann/json.hpp>

namespace sim {

// The scenario in force: the file named by CLISITEF_SIM_ROTEIRO, or the
// built-in demo when it is unset. A file that cannot be read or parsed is told
// on stderr and in the journal, and acts as a scenario with no functions.
nlohmann::json CarregaRoteiro();

// The built-in demo scenario.
nlohmann::json RoteiroDemo();

} // namespace sim
