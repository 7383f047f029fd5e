#pragma once

#include <QString>

#include <cstdint>

// The four operations through which the station tells the operator things,
// asks questions and shows that a long step is under way. Codes: see
// CodigosDialogo.

// Shows the message dialog modally and waits for the operator.
void MsgDisplay(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                std::uint8_t Icone, std::uint8_t BotaoPadrao);

// As MsgDisplay; answers the button pressed (4: closed without a button).
std::uint8_t MsgDisplayResp(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                            std::uint8_t Icone, std::uint8_t BotaoPadrao);

// Shows the wait box with Texto (replacing the text of an open one) and lets
// it be painted before the caller goes on with its blocking work.
void AguardeDisplay(const QString& Texto);

// Closes the wait box, if open.
void FimAguardeDisplay();
