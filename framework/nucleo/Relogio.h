#pragma once

#include <QDateTime>

#include <functional>

// The station's clock: the local date and time, read once wherever a date
// and a time are paired. Tests put another clock in its place.
namespace Relogio {

QDateTime Agora();

// Replaces the clock (an empty function restores the system's).
void Define(std::function<QDateTime()> Relogio);

} // namespace Relogio
