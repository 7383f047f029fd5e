#pragma once

#include "TPLModalDataForm.h"

#include <QPointer>

#include <cstdint>
#include <functional>

class TNPushButton;

// "Caixa de Varejo (Menu)": the TEF functions other than the sale. Each
// function button makes present the dialogs its function needs, runs the
// administrative-function loop and releases them again; "&E" runs the
// communication test. The function buttons are enabled only when the TEF
// was online as the menu opened.
class TManCaixaVarejoMenu : public TTPLModalDataForm {
    Q_OBJECT
public:
    explicit TManCaixaVarejoMenu(QWidget* Pai = nullptr);
    ~TManCaixaVarejoMenu() override; // NFormDestroy

    TNPushButton* BtnCancelTEF;
    TNPushButton* BtnReimpressao;
    TNPushButton* BtnPreAutorizacao;
    TNPushButton* BtnCapPreAutorizacao;
    TNPushButton* BtnTestComuniTEF;
    TNPushButton* BtnAdministrativoTEF;
    TNPushButton* BtnReimpressaoUltimo;
    TNPushButton* BtnReimpressaoEscolhida;
    TNPushButton* BtnCancelPixTEF;

    // Brings the station's main window to the front after a function that
    // may have left the focus elsewhere.
    std::function<void()> TrazParaFrente;

    void BtnCancelTEFClick();
    void BtnReimpressaoClick();
    void BtnPreAutorizacaoClick();
    void BtnCapPreAutorizacaoClick();
    void BtnTestComuniTEFClick();
    void BtnAdministrativoTEFClick();
    void BtnReimpressaoUltimoClick();
    void BtnReimpressaoEscolhidaClick();
    void BtnCancelPixTEFClick();

    // A function or the test is running: no button starts another and the
    // menu does not close.
    bool Executando() const { return FExecutando; }

protected:
    void showEvent(QShowEvent* Evento) override; // NFormShow
    void closeEvent(QCloseEvent* Evento) override;
    void EscPressionado() override;

private:
    // How one function button runs its function.
    struct TFuncaoMenu {
        std::int32_t Funcao;
        bool ExigeValor;   // the amount collection refuses zero
        bool Visualizador; // the text viewer is made present as well
        bool FimAguarde;   // any wait box is closed afterwards
        bool ParaFrente;   // the station is brought to the front afterwards
    };

    void ExecutaFuncao(const TFuncaoMenu& Funcao);
    void SemReentrada(const std::function<void()>& Acao);

    bool FExecutando = false;
};

extern QPointer<TManCaixaVarejoMenu> ManCaixaVarejoMenu;
