#pragma once

#include <string>

namespace sim {

// Transactions that ended with 0 and delivered a receipt stay pending until
// the station confirms or undoes them. They live in a file beside the journal
// so that a later process still finds them.
void RegistraPendente(const std::string& Cupom, const std::string& Data, const std::string& Hora);

// Removes the pending transaction with this document number, if any; undone
// ones are told in the journal. Returns whether one was pending.
bool ResolvePendente(const std::string& Cupom, bool Confirmada);

// At the start of a function: undoes every pending transaction but the
// parts of the same sale (the same document number, date and time), which
// are confirmed or undone together.
void DesfazPendentes(const std::string& Cupom, const std::string& Data, const std::string& Hora);

} // namespace sim
