#pragma once

#include "TPLModalDataForm.h"

#include <QPointer>
#include <array>

class QLabel;
class TNPushButton;

// "Opções TEF": the menu the library sends as one text ("1:Crédito;2:Débito;")
// becomes up to nine stacked buttons; the answer is the chosen button's
// position, "0" to abandon or "999" to go back.
class TManCaixaTefMenu : public TTPLModalDataForm {
    Q_OBJECT
public:
    explicit TManCaixaTefMenu(QWidget* Pai = nullptr);

    QString Opcoes;
    QString OpcaoEscolhida;

    QLabel* LBL_TITULO;
    QWidget* Pnl_Options;
    std::array<TNPushButton*, 9> BotoesOpcao; // BtnOp1, btnOp2 ... btnOp9
    QWidget* PNL_BOTOES;
    TNPushButton* BtnVoltar;
    TNPushButton* BtnSair;

    static constexpr int AlturaBase = 145;
    static constexpr int PassoBotao = 27;

protected:
    void showEvent(QShowEvent* Evento) override; // NFormShow
    void EscPressionado() override;
    // Closed through the window system (Alt+F4, the close control): abandoned.
    void reject() override;

private:
    void PreencheBotoes();
    void PosicionaBotoes();
    void BtnOp1Click(int Tag);
    void BtnSairClick();
    void BtnVoltarClick();
};

extern QPointer<TManCaixaTefMenu> ManCaixaTefMenu;
