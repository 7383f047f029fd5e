#pragma once

#include "TPLModalDataForm.h"

#include <QPointer>
#include <vector>

class QLabel;
class QScrollArea;
class TNPushButton;

// "Opções TEF": the menu the library sends as one text ("1:Crédito;2:Débito;")
// becomes stacked buttons under a title, nine in view and the rest a scroll
// away. The answer is the chosen entry's code when it is written
// "code:text" with a numeric code (what the library expects), its position
// otherwise; "0" to abandon or "999" to go back. Typing a code chooses its
// entry: a code that begins others (1 of 10, 11...) waits for the next digit,
// or Enter.
class TManCaixaTefMenu : public TTPLModalDataForm {
    Q_OBJECT
public:
    explicit TManCaixaTefMenu(QWidget* Pai = nullptr);

    QString Opcoes;
    QString OpcaoEscolhida;
    // 0 an entry chosen, 1 "Voltar", -1 "Abandonar" (or closed).
    std::int32_t Continuacao = -1;
    // Entries beyond these are not offered: a list no cashier can read
    // through, and a window of thousands of buttons.
    static constexpr int MaximoOpcoes = 500;

    QLabel* LBL_TITULO;
    QWidget* Pnl_Options;
    // BtnOp1, btnOp2 ... btnOp9, then btnOp10 ... as a longer list needs them.
    std::vector<TNPushButton*> BotoesOpcao;
    QWidget* PNL_BOTOES;
    TNPushButton* BtnVoltar;
    TNPushButton* BtnSair;

    static constexpr int AlturaBase = 145;
    static constexpr int PassoBotao = 27;
    static constexpr int BotoesVisiveis = 9;

protected:
    void showEvent(QShowEvent* Evento) override; // NFormShow
    void hideEvent(QHideEvent* Evento) override;
    void EscPressionado() override;
    bool TeclaPressionada(QKeyEvent* Evento) override;
    // Closed through the window system (Alt+F4, the close control): abandoned.
    void reject() override;

private:
    TNPushButton* Botao(size_t Posicao);
    void PreencheBotoes();
    void PosicionaBotoes();
    void OrdenaFoco();
    bool DigitaCodigo(QChar Digito);
    void BtnOp1Click(int Tag);
    void BtnSairClick();
    void BtnVoltarClick();

    QScrollArea* FRolagem;
    QWidget* FPainelBotoes;
    // The digits typed so far, and the entry whose code they are when others
    // begin with them too.
    QString FDigitado;
    QPointer<TNPushButton> FPendente;
};

extern QPointer<TManCaixaTefMenu> ManCaixaTefMenu;

// What the library is answered for an entry at Posicao (from 1): its code
// when the entry is "code:text" with a numeric code, else the position, or
// the next number that no entry of the list uses as its code (Codigos).
QString RespostaDaOpcao(const QString& Entrada, int Posicao, const QStringList& Codigos = {});
// The codes of a list's coded entries.
QStringList CodigosDaLista(const QString& Opcoes);
