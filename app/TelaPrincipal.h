#pragma once

#include "ConfiguracaoEstacao.h"
#include "RetencaoLivro.h"
#include "TPLCustomForm.h"
#include "VendaEmPartes.h"
#include "VendaTEF.h"

#include <QPointer>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTimer;
class TManCaixaTefMovimento;
class TNEdit;
class TNFloatEdit;
class TNMaskEdit;
class TNPushButton;
class TOcupado;
struct TAmbienteTEF;

// "TEF - Kimbro": the station's main window. The tab "Transação" takes the
// amount of a sale; the tab "Configuração" keeps the TEF settings, starts the
// TEF and shows the state of the link and of the PIN pad.
class TForm_Principal : public TTPLCustomForm {
    Q_OBJECT
public:
    // Reads the configuration; the TEF and the status timer start once the
    // window is first drawn.
    explicit TForm_Principal(TAmbienteTEF& Ambiente, QWidget* Pai = nullptr);
    ~TForm_Principal() override; // NFormDestroy

    QTabWidget* PageControl;
    // Tab "Transação".
    QLabel* Label15;
    QLabel* Lbl_Data_hora;
    QLabel* Label8;
    TNEdit* EDT_IDENT_TRANS;
    QLabel* Label11;
    TNFloatEdit* EDT_VALOR;
    TNPushButton* BtnIniciaTransacao;
    // "&Dividir": the sale paid in parts; "Cancelar ven&da" while it runs (Alt+D either way).
    TNPushButton* BtnDividir;
    TNPushButton* NPushButton1;
    // The sale in parts: total, each part with its outcome, what remains.
    QLabel* LBL_PARTES;
    // The day's movement ("Movimento TEF").
    TNPushButton* BtnMovimentoTEF;
    // Tab "Configuração".
    QGroupBox* GrupoTEF;
    QGroupBox* GrupoPerifericos;
    QLabel* LBL_STATUS_TEF_A;
    QLabel* Label1;
    TNEdit* EDT_HOST_SERVIDOR;
    QLabel* Label3;
    TNEdit* EDT_IDENT_ESTACAO;
    QLabel* Label2;
    TNEdit* EDT_IDENT_EMPRESA;
    QLabel* Label7;
    TNMaskEdit* EDT_SENHA_TEF;
    QLabel* Label4;
    TNEdit* EDT_TEXTO_PINPAD;
    // The store's CNPJ, given to the library with the software house's.
    QLabel* LabelCnpj;
    TNEdit* EDT_CNPJ_LOJA;
    // The library talks to the SiTef server over TLS.
    QCheckBox* CHK_TLS;
    // The PIX QR code in the station's own window rather than on the PIN pad.
    QCheckBox* CHK_QRCODE_TELA;
    QLabel* LBL_STATUS_PINPAD_A;
    TNPushButton* BtnIniciaTEF;
    TNPushButton* BtnTestaTEF;
    TNPushButton* BtnSalvar;

    // The station's status line: what the cashier must know while working
    // (the client library missing or invalid, the transaction journal or the
    // TEF log cannot be written).
    QLabel* LBL_AVISO;
    QTimer* Timer1;
    // The sale in progress: its receipt (Str_Primeira_via), view-only mark
    // (SoVisualizar) and document number.
    TVendaTEF Venda;
    // The sale being paid in parts, between "&Dividir" and its end.
    std::unique_ptr<TVendaEmPartes> VendaEmPartes;

    void BtnIniciaTransacaoClick();
    void BtnDividirClick();
    std::int32_t ExecutaVendaTEF(std::int32_t Operador, Currency Valor, const QDateTime& DataFiscal,
                                 const QDateTime& HoraFiscal);
    void BtnIniciaTEFClick();
    // "&Menu TEF": the TEF functions menu, made present, shown and released.
    void BtnTestaTEFClick();
    // "Movimento TEF" on today's movement: the window is made once (after
    // the start, or at the first opening) and kept, so an opening only reads
    // the day.
    void BtnMovimentoTEFClick();
    void Timer1Timer();
    void BtnSalvarClick();
    void NPushButton1Click();

private:
    void MontaAbaTransacao(QWidget* Aba);
    void MontaAbaConfiguracao(QWidget* Aba);
    QList<std::pair<QString TConfiguracaoEstacao::*, QLineEdit*>> CamposConfiguracao() const;
    void NFormCreate();
    void EDT_SENHA_TEFChange();
    void IniciaAposPintura();
    void PreparaMovimento();
    void FazJanelaMovimento();
    // Each message in its own box, one after the other.
    void Avisa(const QStringList& Mensagens);
    void MostraFalhas();
    bool PodeFechar();
    // Raises EErro while a sale in parts waits for its next part: the TEF
    // start or a function would have the library undo its approved parts.
    void ExigeSemVendaEmPartes() const;
    void PagaParte();
    void MostraPartes();
    void EncerraPartes();
    // Runs Acao as the one TEF operation in progress: "Ok", "&Iniciar TEF",
    // "&Menu TEF", "Fechar" and the close control do nothing meanwhile.
    void EmTransacao(const std::function<void()>& Acao);
    // The mark of the operation in progress, with those controls held.
    std::unique_ptr<TOcupado> Ocupa();

protected:
    void closeEvent(QCloseEvent* Evento) override;
    void paintEvent(QPaintEvent* Evento) override;

private:
    bool FEmTransacao = false;
    // The configuration as the window was made: what the tab does not edit.
    TConfiguracaoEstacao FConfiguracao;
    // What the last TEF start found amiss in the configuration.
    QString FAvisoConfiguracao;
    TRetencaoLivro FRetencao;
    bool FInicioAgendado = false;
    std::unique_ptr<TOcupado> FAteIniciar; // until the start after the first paint ends
    QPointer<TManCaixaTefMovimento> FJanelaMovimento;

    TAmbienteTEF& FAmbiente;
};

extern QPointer<TForm_Principal> Form_Principal;
