#include "VeltroTECD.h"

#include "NDialog.h"
#include "NWaitDialog.h"
#include "TratadorErros.h"

void MsgDisplay(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                std::uint8_t Icone, std::uint8_t BotaoPadrao) {
    TDialog::Executa(Mensagem, Titulo, Botoes, Icone, BotaoPadrao);
}

std::uint8_t MsgDisplayResp(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                            std::uint8_t Icone, std::uint8_t BotaoPadrao) {
    return TDialog::Executa(Mensagem, Titulo, Botoes, Icone, BotaoPadrao);
}

void AguardeDisplay(const QString& Texto) {
    ProcessaMensagensPendentes();
    TWait::Mostra(Texto);
    ProcessaMensagensPendentes();
}

void FimAguardeDisplay() {
    ProcessaMensagensPendentes();
    TWait::Fecha();
    ProcessaMensagensPendentes();
}
