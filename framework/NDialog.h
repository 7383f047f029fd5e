#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;

// The framework's message dialog: borderless, centred, a header with the title
// and an icon, the message and up to three buttons.
class TDialog : public QDialog {
    Q_OBJECT
public:
    explicit TDialog(QWidget* Pai = nullptr);

    // Button set 0 "&Ok"; 1 "&Ok", "&Cancelar"; 2 "&Sim", "&Não"; 3 "&Sim",
    // "&Não", "&Cancelar". Icon and default button 4: chosen by the set.
    void Configura(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                   std::uint8_t Icone, std::uint8_t BotaoPadrao);

    // 0 "&Ok", 1 "&Cancelar", 2 "&Sim", 3 "&Não", 4 closed without a button.
    std::uint8_t Resposta() const { return FResposta; }

    static std::uint8_t IconeResolvido(std::uint8_t Botoes, std::uint8_t Icone);
    static std::uint8_t PadraoResolvido(std::uint8_t Botoes, std::uint8_t BotaoPadrao);

    // Beeps, shows the dialog modally, destroys it, lets pending window
    // messages through and answers the button pressed.
    static std::uint8_t Executa(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                                std::uint8_t Icone, std::uint8_t BotaoPadrao);

protected:
    void showEvent(QShowEvent* Evento) override;
    void keyPressEvent(QKeyEvent* Evento) override;

private:
    QPushButton* NovoBotao(const QString& Legenda, std::uint8_t Codigo);

    QLabel* FIcone;
    QLabel* FTitulo;
    QLabel* FMensagem;
    QWidget* FBotoes;
    std::uint8_t FResposta = 4;
};
