#pragma once

#include "OperadorTEF.h"

#include <memory>

// The TEF loops' operator on the station's real dialogs and messages. The
// dialogs live in their global references; making one present creates it
// only when the reference is empty.
class TOperadorTEFQt : public TOperadorTEF {
public:
    TOperadorTEFQt();
    ~TOperadorTEFQt() override;

    void MsgDisplay(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                    std::uint8_t Icone, std::uint8_t BotaoPadrao) override;
    std::uint8_t MsgDisplayResp(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                                std::uint8_t Icone, std::uint8_t BotaoPadrao) override;
    void AguardeDisplay(const QString& Texto) override;
    void FimAguardeDisplay() override;
    void ProcessaMensagens() override;
    // Waits without taking the operator's keys or clicks, while the clock and
    // the windows keep being painted.
    void Pausa(int Milissegundos) override;

    TMenuOpcoesTEF& Menu() override;
    TColetaDadosTEF& Coleta() override;
    TVisualizadorTEF& Visualizador() override;
    TTelaClienteTEF& TelaCliente() override;

private:
    struct Componentes;
    std::unique_ptr<Componentes> FComponentes;
};
