#pragma once

#include "MovimentoTEF.h"
#include "TPLModalDataForm.h"

#include <QDate>
#include <memory>

class QDateEdit;
class QLabel;
class TDM_TEF;
class TLivroTransacoes;
class TListaMovimento;
class TNPushButton;

// "Movimento TEF": the journal's transactions of one day (today when it
// opens), with the day's totals; a copy of the chosen transaction's receipt,
// and the day as a CSV file. Reads the journal only: nothing here reaches
// the library.
class TManCaixaTefMovimento : public TTPLModalDataForm {
    Q_OBJECT
public:
    TManCaixaTefMovimento(TLivroTransacoes& Livro, TDM_TEF& Modulo, QWidget* Pai = nullptr);

    QDateEdit* EDT_DATA;
    TListaMovimento* GRD_MOVIMENTO;
    QLabel* LBL_TOTAIS;
    TNPushButton* BtnImprimirCopia;
    TNPushButton* BtnExportar;
    TNPushButton* BtnFechar;

    // The day shown, and its movement.
    const TMovimentoTEF& Movimento() const { return *FMovimento; }
    // Lists Dia (the journal read again).
    void MostraDia(const QDate& Dia);
    // Lists today, its latest transaction current, the list in the focus:
    // the window as it opens, whether just made or kept from before.
    void MostraHoje();
    // Made ready to show while hidden: polished and laid out, work the
    // first opening would otherwise do.
    void Prepara();
    // The day shown as CSV, in Arquivo (replaced whole).
    void ExportaPara(const QString& Arquivo) const;

protected:
    void EscPressionado() override;
    bool TeclaPressionada(QKeyEvent* Evento) override;

private:
    void MontaGrade();
    void MostraTotais();
    const TLinhaMovimento* LinhaEscolhida() const;
    void HabilitaCopia();
    void BtnImprimirCopiaClick();
    void BtnExportarClick();

    TLivroTransacoes& FLivro;
    TDM_TEF& FModulo;
    std::unique_ptr<TMovimentoTEF> FMovimento;
};
