#include "Erros.h"

#include <utility>

EErro::EErro(QString Mensagem) : FMensagem(std::move(Mensagem)), FUtf8(FMensagem.toUtf8()) {}
