#pragma once

#include <cstdint>

// Function codes of the SiTef client library that the station opens
// (the library's public function-code table).
namespace FuncaoSiTef {
inline constexpr std::int32_t Venda = 0;
inline constexpr std::int32_t Administrativo = 110;
inline constexpr std::int32_t TesteComunicacao = 111;
inline constexpr std::int32_t Reimpressao = 112;
inline constexpr std::int32_t PreAutorizacao = 115;
// Lists what the library holds pending confirmation; opens no transaction.
inline constexpr std::int32_t ConsultaPendencias = 130;
inline constexpr std::int32_t CapturaPreAutorizacao = 116;
inline constexpr std::int32_t Cancelamento = 200;
} // namespace FuncaoSiTef
