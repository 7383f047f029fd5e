#pragma once

#include <cstdint>

// Function codes of the SiTef client library that the station opens
// (the library's public function-code table).
namespace FuncaoSiTef {
inline constexpr std::int32_t Venda = 0;
inline constexpr std::int32_t Administrativo = 110;
inline constexpr std::int32_t TesteComunicacao = 111;
// The library's reprint menu; 113 and 114 go straight to one of its entries.
inline constexpr std::int32_t Reimpressao = 112;
inline constexpr std::int32_t ReimpressaoEscolhida = 113;
inline constexpr std::int32_t ReimpressaoUltimoCupom = 114;
inline constexpr std::int32_t PreAutorizacao = 115;
// Lists what the library holds pending confirmation; opens no transaction.
inline constexpr std::int32_t ConsultaPendencias = 130;
inline constexpr std::int32_t CapturaPreAutorizacao = 116;
// The cancellation of a PIX (digital wallet) payment.
inline constexpr std::int32_t CancelamentoPix = 123;
inline constexpr std::int32_t Cancelamento = 200;
} // namespace FuncaoSiTef
