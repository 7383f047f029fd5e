#include "Relogio.h"

namespace Relogio {
namespace {

std::function<QDateTime()>& Atual() {
    static std::function<QDateTime()> Relogio;
    return Relogio;
}

} // namespace

QDateTime Agora() {
    return Atual() ? Atual()() : QDateTime::currentDateTime();
}

void Define(std::function<QDateTime()> Relogio) {
    Atual() = std::move(Relogio);
}

} // namespace Relogio
