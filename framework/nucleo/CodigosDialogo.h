#pragma once

#include <QString>

#include <cstdint>

// Codes shared by the message dialog and everything that asks the operator
// through it.
namespace CodigosDialogo {

// Answers.
inline constexpr std::uint8_t RespOk = 0;
inline constexpr std::uint8_t RespCancelar = 1;
inline constexpr std::uint8_t RespSim = 2;
inline constexpr std::uint8_t RespNao = 3;
inline constexpr std::uint8_t RespFechado = 4; // closed without a button

// Button sets, left to right.
inline constexpr std::uint8_t BotoesOk = 0;
inline constexpr std::uint8_t BotoesOkCancelar = 1;
inline constexpr std::uint8_t BotoesSimNao = 2;
inline constexpr std::uint8_t BotoesSimNaoCancelar = 3;

// Icons.
inline constexpr std::uint8_t IconeInformacao = 0;
inline constexpr std::uint8_t IconeErro = 1;
inline constexpr std::uint8_t IconeQuestao = 2;
inline constexpr std::uint8_t IconeAutomatico = 4;

// Default button: 4 lets the dialog choose by the button set.
inline constexpr std::uint8_t BotaoPadraoAutomatico = 4;

// Exit codes of the operator dialogs, read by the TEF loops: the operator
// abandoned, or went back a step. Anything else is a confirmation.
inline const QString CodigoAbandono = QStringLiteral("0");
inline const QString CodigoVoltar = QStringLiteral("999");

// Kinds of entry of the data-collection dialog, set by the TEF loops.
inline constexpr std::int32_t ColetaTexto = 1;
inline constexpr std::int32_t ColetaValor = 2;
inline constexpr std::int32_t ColetaCheque = 4;
inline constexpr std::int32_t ColetaSenha = 5; // the supervisor password, checked
// A text typed masked, as a password is, but not checked by the station (the
// library's masked fields).
inline constexpr std::int32_t ColetaMascarada = 6;

} // namespace CodigosDialogo
