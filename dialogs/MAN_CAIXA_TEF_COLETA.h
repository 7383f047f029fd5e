#pragma once

#include "CodigosDialogo.h"
#include "TPLModalDataForm.h"

#include <QPointer>
#include <cstdint>

class QLabel;
class QFrame;
class TNEdit;
class TNFloatEdit;
class TNPushButton;

// "Coleta de Dados": asks the operator for a value the library requests, of
// the kind TipoColeta names (CodigosDialogo::Coleta...): a text, an amount,
// check data, the supervisor password or a text typed masked.
// The caller reads CodigoSaida (CodigosDialogo's exit codes) and ValorColetado.
class TManCaixaTefColeta : public TTPLModalDataForm {
    Q_OBJECT
public:
    explicit TManCaixaTefColeta(QWidget* Pai = nullptr);

    std::int32_t TipoColeta = CodigosDialogo::ColetaTexto;
    std::int32_t TamanhoMinimo = 0;
    std::int32_t TamanhoMaximo = 0;
    bool ExigeValor = false;
    QString CodigoSaida;

    QFrame* PNL_TITULO;
    QLabel* LBL_TITULO;
    QFrame* PNL_Coleta;
    TNEdit* EdtColeta;
    QFrame* Pnl_coletaValor;
    TNFloatEdit* EDTCOLETAVALOR;
    QFrame* Pnl_Coleta_cheque;
    TNEdit* EDT_COMPENSACAO;
    TNEdit* EDT_Banco;
    TNEdit* EDT_AGENCIA;
    TNEdit* EDT_C1;
    TNEdit* EDT_Conta;
    TNEdit* EDT_C2;
    TNEdit* EDT_NUM_CHEQUE;
    TNEdit* EDT_C3;
    QFrame* PNL_SENHA;
    TNEdit* EDT_COLETA_SENHA;
    QFrame* PNL_BOTOES;
    TNPushButton* BtnVoltar;
    TNPushButton* BtnSair;

    static constexpr int LarguraInicial = 360;
    static constexpr int AlturaInicial = 140;

protected:
    void showEvent(QShowEvent* Evento) override; // NFormShow
    bool TeclaPressionada(QKeyEvent* Evento) override;
    void EscPressionado() override;
    // Closed through the window system (Alt+F4, the close control): abandoned.
    void reject() override;

private:
    TNEdit* NovoCampo(QWidget* Painel, int Tamanho, int Largura);
    QFrame* NovoPainel(const char* Nome);
    void MontaCheque();
    void AjustaLarguraDoTexto();
    void PosicionaPaineis();
    void EdtColetaValidate();
    void EDTCOLETAVALORValidate();
    void EDT_C3Validate();
    void EDT_COLETA_SENHAValidate();
    void BtnSairClick();
    void BtnVoltarClick();
};

extern QPointer<TManCaixaTefColeta> ManCaixaTefColeta;

// The text collected by the last confirmed showing; " " after an abandon.
extern QString ValorColetado;

// Always the text of the main window's supervisor password field.
extern QString SenhaSupervisor;

// The check answer: compensation, bank and branch zero-padded to 3, 3 and 4,
// C1, the account blank-padded to 10, C2, the check number zero-padded to 6,
// C3. Padding never cuts a longer part.
QString RespostaCheque(const QString& Compensacao, const QString& Banco, const QString& Agencia,
                       const QString& C1, const QString& Conta, const QString& C2,
                       const QString& NumeroCheque, const QString& C3);
