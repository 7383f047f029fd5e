#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace sim {

// Transactions that ended with 0 and delivered a receipt stay pending until
// the station confirms or undoes them. They live in a file beside the journal
// so that a later process still finds them. NsuHost: the host NSU the
// function delivered (field 134), empty when it sent none.
void RegistraPendente(const std::string& Cupom, const std::string& Data, const std::string& Hora,
                      const std::string& NsuHost);

// Removes the pending transaction with this document number, if any; undone
// ones are told in the journal. Returns whether one was pending.
bool ResolvePendente(const std::string& Cupom, bool Confirmada);

// At the start of a function: undoes every pending transaction but the
// parts of the same sale (the same document number, date and time), which
// are confirmed or undone together.
void DesfazPendentes(const std::string& Cupom, const std::string& Data, const std::string& Hora);

// How many pending transactions this document number and date hold.
int QuantidadePendentes(const std::string& Cupom, const std::string& Data);

// Function 130 as a scenario's function, so that it is walked as any other:
// the count (field 210), then per pending transaction its document (160),
// its number within that document (161), date (163), time (164) and, when
// known, host NSU (134); final result 0. Inicio is the start call's result.
nlohmann::json FuncaoConsultaPendentes(int Inicio);

} // namespace sim
