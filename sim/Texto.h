#pragma once

#include <string>
#include <string_view>

namespace sim {

// The station speaks Windows-1252; journals and scenarios are UTF-8.
std::string Utf8ParaWin1252(std::string_view Utf8);
std::string Win1252ParaUtf8(std::string_view Win1252);

// The zero-terminated text of a buffer, never reading past Tamanho bytes.
std::string_view TextoLimitado(const char* Buffer, long Tamanho);

// A journal keeps no card number: every run of 12 or more digits, single
// blanks, dots or dashes allowed between them, keeps its last four digits;
// the others become asterisks, the separators stay. An unbroken run of more
// than 19 digits is no card number and stays.
std::string MascaraCartao(std::string_view Texto);

} // namespace sim
