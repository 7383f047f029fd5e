#include "TelaPrincipal.h"

#include "CodigosDialogo.h"
#include "ConfiguracaoEstacao.h"
#include "DiarioTEF.h"
#include "Erros.h"
#include "Estilo.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "InicioTEF.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MOVIMENTO.h"
#include "MAN_CAIXA_VAREJO_MENU.h"
#include "NFloatEdit.h"
#include "NMaskEdit.h"
#include "NPushButton.h"
#include "Ocupado.h"
#include "Relogio.h"
#include "TextosStatus.h"
#include "TratadorErros.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

QPointer<TForm_Principal> Form_Principal;

Q_LOGGING_CATEGORY(lcPrincipal, "tefkimbro.app.principal", QtWarningMsg)

namespace {

// The label the screen shows beside a field (its buddy).
const QLabel* RotuloDoCampo(const QWidget* Campo) {
    for (const QLabel* Rotulo : Campo->window()->findChildren<QLabel*>()) {
        if (Rotulo->buddy() == Campo) {
            return Rotulo;
        }
    }
    return nullptr;
}

QLabel* NovoRotulo(const QString& Nome, const QString& Texto, QWidget* Pai) {
    auto* Rotulo = new QLabel(Texto, Pai);
    Rotulo->setObjectName(Nome);
    return Rotulo;
}

TNEdit* NovaEdicao(const QString& Nome, int Limite, QWidget* Pai) {
    auto* Edicao = new TNEdit(Pai);
    Edicao->setObjectName(Nome);
    if (Limite > 0) {
        Edicao->setMaxLength(Limite);
    }
    return Edicao;
}

QLabel* NovoStatus(const QString& Nome, QWidget* Pai) {
    QLabel* Status = NovoRotulo(Nome, QStringLiteral("STATUS"), Pai);
    Status->setAlignment(Qt::AlignCenter);
    QFont Fonte(QStringLiteral("Arial"));
    Fonte.setPixelSize(11);
    Fonte.setBold(true);
    Status->setFont(Fonte);
    return Status;
}

QWidget* NovaAba(const QString& Nome) {
    auto* Aba = new QFrame();
    Aba->setObjectName(Nome);
    Aba->setStyleSheet(Estilo::PainelGradiente(Nome, false));
    return Aba;
}

void PintaTexto(QLabel* Rotulo, const QString& Texto, const QColor& Cor) {
    Rotulo->setText(Texto);
    Rotulo->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Cor.name()));
}

} // namespace

TForm_Principal::TForm_Principal(TAmbienteTEF& Ambiente, QWidget* Pai)
    : TTPLCustomForm(Pai), Venda(Ambiente), FAmbiente(Ambiente) {
    setObjectName(QStringLiteral("Form_Principal"));
    setWindowTitle(QStringLiteral("TEF - Kimbro"));
    setWindowFlags(Qt::Window);
    resize(286, 338);
    Estilo::Centraliza(this);

    PageControl = new QTabWidget(Conteudo());
    PageControl->setObjectName(QStringLiteral("PageControl"));
    QWidget* AbaTransacao = NovaAba(QStringLiteral("TabTransacao"));
    QWidget* AbaConfiguracao = NovaAba(QStringLiteral("TabConfiguracao"));
    PageControl->addTab(AbaTransacao, QStringLiteral("Transação"));
    PageControl->addTab(AbaConfiguracao, QStringLiteral("Configuração"));
    auto* Colunas = new QVBoxLayout(Conteudo());
    Colunas->setContentsMargins(4, 4, 4, 4);
    Colunas->addWidget(PageControl);
    LBL_AVISO = NovoRotulo(QStringLiteral("LBL_AVISO"), QString(), Conteudo());
    LBL_AVISO->setWordWrap(true);
    LBL_AVISO->setStyleSheet(QStringLiteral("color: #a00000;"));
    LBL_AVISO->hide();
    Colunas->addWidget(LBL_AVISO);
    MontaAbaTransacao(AbaTransacao);
    MontaAbaConfiguracao(AbaConfiguracao);
    PageControl->setCurrentIndex(0);
    // The cashier types the amount first.
    EDT_VALOR->setFocus();

    FAteIniciar = Ocupa();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, Protegido([this] { Timer1Timer(); }));

    NFormCreate();
}

TForm_Principal::~TForm_Principal() = default;

void TForm_Principal::MontaAbaTransacao(QWidget* Aba) {
    Label15 =
        NovoRotulo(QStringLiteral("Label15"), QStringLiteral(" Data e Hora do Sistema "), Aba);
    Lbl_Data_hora = NovoRotulo(QStringLiteral("Lbl_Data_hora"), QString(), Aba);
    Lbl_Data_hora->setAlignment(Qt::AlignCenter);
    Lbl_Data_hora->setFixedWidth(185);
    Label8 = NovoRotulo(QStringLiteral("Label8"), QStringLiteral("Identificação Transação:"), Aba);
    EDT_IDENT_TRANS = NovaEdicao(QStringLiteral("EDT_IDENT_TRANS"), 15, Aba);
    EDT_IDENT_TRANS->setEnabled(false);
    Label11 = NovoRotulo(QStringLiteral("Label11"), QStringLiteral("Valor da Compra"), Aba);
    QFont Negrito = Label11->font();
    Negrito.setBold(true);
    Negrito.setPixelSize(16);
    Label11->setFont(Negrito);
    EDT_VALOR = new TNFloatEdit(Aba);
    EDT_VALOR->setObjectName(QStringLiteral("EDT_VALOR"));
    QFont Valor(QStringLiteral("Courier New"));
    Valor.setBold(true);
    Valor.setPixelSize(27);
    EDT_VALOR->setFont(Valor);
    EDT_VALOR->setFrame(false);
    BtnIniciaTransacao =
        TNPushButton::Cria(Aba, QStringLiteral("BtnIniciaTransacao"), QStringLiteral("Ok"),
                           [this] { EmTransacao([this] { BtnIniciaTransacaoClick(); }); });
    BtnDividir = TNPushButton::Cria(Aba, QStringLiteral("BtnDividir"), QStringLiteral("&Dividir"),
                                    [this] { EmTransacao([this] { BtnDividirClick(); }); });
    LBL_PARTES = NovoRotulo(QStringLiteral("LBL_PARTES"), QString(), Aba);
    LBL_PARTES->hide();
    // Esc at a part's amount gives the sale up, as "Cancelar venda" does.
    auto* Desiste = new QShortcut(QKeySequence(Qt::Key_Escape), EDT_VALOR);
    Desiste->setContext(Qt::WidgetShortcut);
    connect(Desiste, &QShortcut::activated, this, Protegido([this] {
                if (VendaEmPartes) {
                    EmTransacao([this] { BtnDividirClick(); });
                }
            }));
    NPushButton1 = TNPushButton::Cria(Aba, QStringLiteral("NPushButton1"), QStringLiteral("Fechar"),
                                      [this] { NPushButton1Click(); });

    auto* Grade = new QVBoxLayout(Aba);
    Grade->setSpacing(6);
    Grade->addWidget(Label15, 0, Qt::AlignHCenter);
    Grade->addWidget(Lbl_Data_hora, 0, Qt::AlignHCenter);
    Grade->addSpacing(8);
    Grade->addWidget(Label8);
    Grade->addWidget(EDT_IDENT_TRANS);
    Grade->addSpacing(8);
    Grade->addWidget(Label11);
    Grade->addWidget(EDT_VALOR);
    Grade->addWidget(LBL_PARTES);
    Grade->addStretch();
    auto* Botoes = new QHBoxLayout();
    Botoes->addWidget(BtnIniciaTransacao);
    Botoes->addWidget(BtnDividir);
    Botoes->addWidget(NPushButton1);
    Grade->addLayout(Botoes);
    // Under the sale's own buttons, so that nothing of the sale moves.
    BtnMovimentoTEF =
        TNPushButton::Cria(Aba, QStringLiteral("BtnMovimentoTEF"), QStringLiteral("Mo&vimento TEF"),
                           [this] { EmTransacao([this] { BtnMovimentoTEFClick(); }); });
    Grade->addWidget(BtnMovimentoTEF);
}

void TForm_Principal::MontaAbaConfiguracao(QWidget* Aba) {
    GrupoTEF = new QGroupBox(QStringLiteral(" Configurações TEF "), Aba);
    GrupoTEF->setObjectName(QStringLiteral("GrupoTEF"));
    LBL_STATUS_TEF_A = NovoStatus(QStringLiteral("LBL_STATUS_TEF_A"), GrupoTEF);
    Label1 = NovoRotulo(QStringLiteral("Label1"), QStringLiteral("Host Servidor"), GrupoTEF);
    // A name, not only an address: TLS checks the server's certificate by it.
    EDT_HOST_SERVIDOR = NovaEdicao(QStringLiteral("EDT_HOST_SERVIDOR"), 253, GrupoTEF);
    Label2 =
        NovoRotulo(QStringLiteral("Label2"), QStringLiteral("Identificação Empresa"), GrupoTEF);
    EDT_IDENT_EMPRESA = NovaEdicao(QStringLiteral("EDT_IDENT_EMPRESA"), 8, GrupoTEF);
    Label3 =
        NovoRotulo(QStringLiteral("Label3"), QStringLiteral("Identificação Estação"), GrupoTEF);
    EDT_IDENT_ESTACAO = NovaEdicao(QStringLiteral("EDT_IDENT_ESTACAO"), 8, GrupoTEF);
    LabelCnpj = NovoRotulo(QStringLiteral("LabelCnpj"), QStringLiteral("CNPJ da Loja"), GrupoTEF);
    EDT_CNPJ_LOJA = NovaEdicao(QStringLiteral("EDT_CNPJ_LOJA"), 18, GrupoTEF);
    CHK_TLS = new QCheckBox(QStringLiteral("TLS"), GrupoTEF);
    CHK_TLS->setObjectName(QStringLiteral("CHK_TLS"));
    Label7 = NovoRotulo(QStringLiteral("Label7"), QStringLiteral("Senha Supervisor"), GrupoTEF);
    EDT_SENHA_TEF = new TNMaskEdit(GrupoTEF);
    EDT_SENHA_TEF->setObjectName(QStringLiteral("EDT_SENHA_TEF"));
    EDT_SENHA_TEF->setEchoMode(QLineEdit::Password);
    connect(EDT_SENHA_TEF, &QLineEdit::textChanged, this,
            Protegido([this] { EDT_SENHA_TEFChange(); }));
    auto* GradeTEF = new QGridLayout(GrupoTEF);
    GradeTEF->setContentsMargins(6, 2, 6, 2);
    GradeTEF->setVerticalSpacing(1);
    // The check box shares the status row, as the QR code's does below.
    GradeTEF->addWidget(LBL_STATUS_TEF_A, 0, 0);
    GradeTEF->addWidget(CHK_TLS, 0, 1, Qt::AlignRight);
    const std::pair<QLabel*, QWidget*> Linhas[] = {{Label1, EDT_HOST_SERVIDOR},
                                                   {Label2, EDT_IDENT_EMPRESA},
                                                   {Label3, EDT_IDENT_ESTACAO},
                                                   {LabelCnpj, EDT_CNPJ_LOJA},
                                                   {Label7, EDT_SENHA_TEF}};
    int Linha = 1;
    for (const auto& [Rotulo, Campo] : Linhas) {
        Rotulo->setBuddy(Campo);
        GradeTEF->addWidget(Rotulo, Linha, 0);
        GradeTEF->addWidget(Campo, Linha++, 1);
    }

    GrupoPerifericos = new QGroupBox(QStringLiteral(" Configurações Periféricos "), Aba);
    GrupoPerifericos->setObjectName(QStringLiteral("GrupoPerifericos"));
    LBL_STATUS_PINPAD_A = NovoStatus(QStringLiteral("LBL_STATUS_PINPAD_A"), GrupoPerifericos);
    Label4 = NovoRotulo(QStringLiteral("Label4"), QStringLiteral("Texto PinPad"), GrupoPerifericos);
    EDT_TEXTO_PINPAD = NovaEdicao(QStringLiteral("EDT_TEXTO_PINPAD"), 16, GrupoPerifericos);
    Label4->setBuddy(EDT_TEXTO_PINPAD);
    CHK_QRCODE_TELA = new QCheckBox(QStringLiteral("QR Code na tela"), GrupoPerifericos);
    CHK_QRCODE_TELA->setObjectName(QStringLiteral("CHK_QRCODE_TELA"));
    connect(CHK_QRCODE_TELA, &QCheckBox::toggled, this,
            [this](bool Marcado) { Venda.QRCodeNaTela = Marcado; });
    auto* GradePerifericos = new QGridLayout(GrupoPerifericos);
    GradePerifericos->setContentsMargins(6, 2, 6, 2);
    GradePerifericos->setVerticalSpacing(1);
    // The check box shares the status row, so that the tab keeps the
    // window's size.
    GradePerifericos->addWidget(LBL_STATUS_PINPAD_A, 0, 0);
    GradePerifericos->addWidget(CHK_QRCODE_TELA, 0, 1, Qt::AlignRight);
    GradePerifericos->addWidget(Label4, 1, 0);
    GradePerifericos->addWidget(EDT_TEXTO_PINPAD, 1, 1);

    BtnSalvar =
        TNPushButton::Cria(Aba, QStringLiteral("BtnSalvar"), QStringLiteral("&Salvar Configuração"),
                           [this] { BtnSalvarClick(); });
    BtnTestaTEF =
        TNPushButton::Cria(Aba, QStringLiteral("BtnTestaTEF"), QStringLiteral("&Menu TEF"),
                           [this] { EmTransacao([this] { BtnTestaTEFClick(); }); });
    BtnIniciaTEF =
        TNPushButton::Cria(Aba, QStringLiteral("BtnIniciaTEF"), QStringLiteral("&Iniciar TEF"),
                           [this] { EmTransacao([this] { BtnIniciaTEFClick(); }); });

    auto* Colunas = new QVBoxLayout(Aba);
    Colunas->setContentsMargins(4, 4, 4, 4);
    Colunas->setSpacing(2);
    Colunas->addWidget(GrupoTEF);
    Colunas->addWidget(GrupoPerifericos);
    Colunas->addWidget(BtnSalvar);
    auto* Botoes = new QHBoxLayout();
    Botoes->addWidget(BtnTestaTEF);
    Botoes->addWidget(BtnIniciaTEF);
    Colunas->addLayout(Botoes);

    // Host, store, terminal, CNPJ, password, save, menu, start, PIN pad
    // text, QR code, TLS.
    const QWidget* Ordem[] = {EDT_HOST_SERVIDOR,
                              EDT_IDENT_EMPRESA,
                              EDT_IDENT_ESTACAO,
                              EDT_CNPJ_LOJA,
                              EDT_SENHA_TEF,
                              BtnSalvar,
                              BtnTestaTEF,
                              BtnIniciaTEF,
                              EDT_TEXTO_PINPAD,
                              CHK_QRCODE_TELA,
                              CHK_TLS};
    for (size_t I = 1; I < std::size(Ordem); ++I) {
        setTabOrder(const_cast<QWidget*>(Ordem[I - 1]), const_cast<QWidget*>(Ordem[I]));
    }
}

// The configuration's text fields with their edits.
QList<std::pair<QString TConfiguracaoEstacao::*, QLineEdit*>>
TForm_Principal::CamposConfiguracao() const {
    using C = TConfiguracaoEstacao;
    return {{&C::HostServidor, EDT_HOST_SERVIDOR}, {&C::IdentEmpresa, EDT_IDENT_EMPRESA},
            {&C::IdentEstacao, EDT_IDENT_ESTACAO}, {&C::SenhaTEF, EDT_SENHA_TEF},
            {&C::TextoPinPad, EDT_TEXTO_PINPAD},   {&C::CnpjLoja, EDT_CNPJ_LOJA}};
}

void TForm_Principal::NFormCreate() {
    FConfiguracao = TConfiguracaoEstacao::Le();
    for (const auto& [Campo, Edicao] : CamposConfiguracao()) {
        Edicao->setText(FConfiguracao.*Campo);
        Edicao->setCursorPosition(0); // a value longer than its field shows its start
    }
    CHK_QRCODE_TELA->setChecked(FConfiguracao.QRCodeNaTela);
    CHK_TLS->setChecked(FConfiguracao.Tls);
    DM_CAIXA_VAREJO.StatusTEF = -1;
    DM_CAIXA_VAREJO.NumeroVias = 1;
    Venda.AoSortearDocumento = [this](std::int32_t Numero) {
        EDT_IDENT_TRANS->setText(QString::number(Numero));
    };
}

void TForm_Principal::BtnIniciaTEFClick() {
    ExigeSemVendaEmPartes();
    // What the tab does not edit is read again: a file fixed as the status
    // line asked counts at the next start.
    FConfiguracao = TConfiguracaoEstacao::Le();
    DM_CAIXA_VAREJO.HostServidor = EDT_HOST_SERVIDOR->text();
    DM_CAIXA_VAREJO.IdentEmpresa = EDT_IDENT_EMPRESA->text();
    DM_CAIXA_VAREJO.IdentEstacao = EDT_IDENT_ESTACAO->text();
    const TInicioTEF Inicio =
        IniciaTEF(FAmbiente, {DM_CAIXA_VAREJO.HostServidor, DM_CAIXA_VAREJO.IdentEmpresa,
                              DM_CAIXA_VAREJO.IdentEstacao, EDT_TEXTO_PINPAD->text(),
                              CnpjSemPontuacao(EDT_CNPJ_LOJA->text()),
                              FConfiguracao.CnpjSoftwareHouse, CHK_TLS->isChecked()});
    FAvisoConfiguracao = Inicio.AvisoConfiguracao;
    DM_CAIXA_VAREJO.StatusTEF = Inicio.StatusTEF;
    DM_CAIXA_VAREJO.StatusPinPad = Inicio.StatusPinPad;
    Avisa(Inicio.Mensagens);
}

void TForm_Principal::BtnTestaTEFClick() {
    ExigeSemVendaEmPartes();
    TornaPresente(ManCaixaVarejoMenu);
    const auto Fim = qScopeGuard([] { Libera(ManCaixaVarejoMenu); });
    ManCaixaVarejoMenu->TrazParaFrente = [this] {
        raise();
        activateWindow();
    };
    MostraModal(ManCaixaVarejoMenu);
}

void TForm_Principal::BtnMovimentoTEFClick() {
    if (FJanelaMovimento.isNull()) {
        FazJanelaMovimento();
    } else {
        FJanelaMovimento->MostraHoje();
    }
    MostraModal(FJanelaMovimento);
}

// Today read, hidden, ready to show; raises EErro when the journal cannot
// be read.
void TForm_Principal::FazJanelaMovimento() {
    FJanelaMovimento = new TManCaixaTefMovimento(FAmbiente.Livro, *DM_TEF, this);
    FJanelaMovimento->Prepara();
}

// Made while the counter waits after the start, so that even the first
// opening only reads the day. A journal that cannot be read leaves it
// unmade; the opening then reads again and says why.
void TForm_Principal::PreparaMovimento() {
    if (!FJanelaMovimento.isNull() || DM_TEF == nullptr) {
        return;
    }
    try {
        FazJanelaMovimento();
    } catch (const EErro&) {
        // left for the opening to report
    }
}

void TForm_Principal::Timer1Timer() {
    MostraFalhas();
    if (!FEmTransacao) {
        FRetencao.RemoveLote(FAmbiente.Livro);
        FAmbiente.Livro.Consolida();
    }
    Lbl_Data_hora->setText(Relogio::Agora().toString(QStringLiteral("dd/MM/yyyy - HH:mm:ss")));
    const QString TextoTEF = TextoStatusTEF(DM_CAIXA_VAREJO.StatusTEF);
    if (DM_CAIXA_VAREJO.StatusTEF == -2) {
        DM_CAIXA_VAREJO.StatusTEF = 0;
    }
    if (TextoTEF != LBL_STATUS_TEF_A->text()) {
        qCInfo(lcPrincipal).noquote() << "TEF status:" << TextoTEF;
    }
    PintaTexto(LBL_STATUS_TEF_A, TextoTEF, DM_CAIXA_VAREJO.StatusTEF == 0 ? CorOnline : CorFalha);
    PintaTexto(LBL_STATUS_PINPAD_A, TextoStatusPinPad(DM_CAIXA_VAREJO.StatusPinPad),
               DM_CAIXA_VAREJO.StatusPinPad == 1 ? CorOnline : CorFalha);
}

// The status line, beside the station's status texts: why the client
// library is missing or invalid (behind "Dll Inválida" and "Falta Dll"), a
// journal state held unwritten (written again at every tick, and cleared
// once it is), the day log's first failure (told once; the station goes on
// without its log), then what the TEF start found amiss in the
// configuration (a CNPJ missing).
void TForm_Principal::MostraFalhas() {
    FAmbiente.Livro.GravaRetido();
    QStringList Falhas;
    for (const QString& Falha : {FAmbiente.Biblioteca.Falha(), FAmbiente.Livro.Falha(),
                                 DiarioTEF::Falha(), FAvisoConfiguracao}) {
        if (!Falha.isEmpty()) {
            Falhas.append(Falha);
        }
    }
    const QString Texto = Falhas.join(u'\n');
    if (Texto != LBL_AVISO->text()) {
        LBL_AVISO->setText(Texto);
        LBL_AVISO->setVisible(!Texto.isEmpty());
        if (!Texto.isEmpty()) {
            qCWarning(lcPrincipal).noquote() << Texto;
        }
    }
}

void TForm_Principal::BtnSalvarClick() {
    using namespace CodigosDialogo;
    if (FAmbiente.Operador.MsgDisplayResp(QStringLiteral("Confirma dados de configuração?"),
                                          QStringLiteral("Responda"), BotoesSimNao, IconeQuestao,
                                          BotaoPadraoAutomatico) == RespNao) {
        return;
    }
    TConfiguracaoEstacao Configuracao;
    for (const auto& [Campo, Edicao] : CamposConfiguracao()) {
        Configuracao.*Campo = Edicao->text();
    }
    Configuracao.QRCodeNaTela = CHK_QRCODE_TELA->isChecked();
    Configuracao.Tls = CHK_TLS->isChecked();
    if (const std::optional<TRecusaConfiguracao> Recusa = GravaConfiguracao(Configuracao)) {
        const auto Campos = CamposConfiguracao();
        const auto Campo = std::find_if(Campos.begin(), Campos.end(),
                                        [&](const auto& C) { return C.first == Recusa->Campo; });
        const QLabel* Rotulo = Campo != Campos.end() ? RotuloDoCampo(Campo->second) : nullptr;
        throw EErro(QStringLiteral("O campo %1 %2")
                        .arg(Rotulo != nullptr ? Rotulo->text() : Recusa->Chave, Recusa->Motivo));
    }
}

void TForm_Principal::EDT_SENHA_TEFChange() {
    SenhaSupervisor = EDT_SENHA_TEF->text();
}

void TForm_Principal::NPushButton1Click() {
    close();
}

std::unique_ptr<TOcupado> TForm_Principal::Ocupa() {
    return std::make_unique<TOcupado>(
        FEmTransacao, std::initializer_list<QWidget*>{BtnIniciaTransacao, BtnDividir, BtnIniciaTEF,
                                                      BtnTestaTEF, NPushButton1, BtnMovimentoTEF});
}

void TForm_Principal::EmTransacao(const std::function<void()>& Acao) {
    const auto Ocupado = Ocupa();
    if (Ocupado->Obtido()) {
        Acao();
    }
}

void TForm_Principal::paintEvent(QPaintEvent* Evento) {
    // White behind the tabs, painted here: as a style sheet it sent every
    // dialog the window opens through Qt's slower style-sheet painting.
    QPainter(this).fillRect(Evento->rect(), Qt::white);
    TTPLCustomForm::paintEvent(Evento);
    if (!FInicioAgendado) {
        FInicioAgendado = true;
        // The start-up benchmark reads it.
        qCInfo(lcPrincipal) << "main window drawn";
        QTimer::singleShot(0, this, Protegido([this] { IniciaAposPintura(); }));
    }
}

// Opening the journal, loading the library,
// settling what a restart left open and testing the link take longer than
// drawing the window: they run once it is drawn, and the cashier sees the
// station meanwhile. Its buttons are held from the window's creation until
// the start ends, an error included, so that nothing typed meanwhile starts
// a sale before what a restart left open is settled. The status line
// follows from then on.
void TForm_Principal::IniciaAposPintura() {
    Timer1->start();
    const auto Fim = qScopeGuard([this] {
        FAteIniciar.reset();
        qCInfo(lcPrincipal) << "main window ready for input";
        QTimer::singleShot(0, this, Protegido([this] { PreparaMovimento(); }));
    });
    FRetencao.Calcula(FAmbiente.Livro, Relogio::Agora().date(), FConfiguracao.MesesLivroTEF);
    if (!FAmbiente.Livro.Aviso().isEmpty()) {
        Avisa({FAmbiente.Livro.Aviso()});
    }
    BtnIniciaTEFClick();
}

void TForm_Principal::closeEvent(QCloseEvent* Evento) {
    // A transaction in progress is never abandoned by closing the window.
    if (FEmTransacao || !PodeFechar()) {
        Evento->ignore();
        return;
    }
    TTPLCustomForm::closeEvent(Evento);
}

// A state the journal still holds in memory is lost with the process: the
// next start would then decide again. The cashier is asked first.
bool TForm_Principal::PodeFechar() {
    if (VendaEmPartes) {
        using namespace CodigosDialogo;
        FAmbiente.Operador.MsgDisplay(QStringLiteral("Há uma venda em partes em andamento: "
                                                     "pague o restante ou cancele a venda antes "
                                                     "de fechar."),
                                      QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                                      BotaoPadraoAutomatico);
        return false;
    }
    TLivroTransacoes& Livro = FAmbiente.Livro;
    if (Livro.GravaRetido() || Livro.Retido().isEmpty()) {
        return true;
    }
    using namespace CodigosDialogo;
    return FAmbiente.Operador.MsgDisplayResp(
               QStringLiteral("O registro de transações ainda não gravou a transação TEF "
                              "(documento %1): %2 Fechada agora, a estação não saberá ao "
                              "reiniciar que ela foi decidida. Fechar assim mesmo?")
                   .arg(Livro.Retido(), Livro.Falha()),
               QStringLiteral("Responda"), BotoesSimNao, IconeQuestao,
               BotaoPadraoAutomatico) == RespSim;
}

void TForm_Principal::BtnIniciaTransacaoClick() {
    // Whatever the ending, the next amount typed goes into the amount field,
    // replacing the last one: left on "Ok", the next Enter would charge the
    // last amount again.
    const auto ProximoValor = qScopeGuard([this] {
        EDT_VALOR->selectAll();
        EDT_VALOR->setFocus();
    });
    if (VendaEmPartes) {
        PagaParte();
        return;
    }
    Venda.Vende(*DM_TEF, OperadorCaixa, EDT_VALOR->Valor(), Relogio::Agora());
}

void TForm_Principal::BtnDividirClick() {
    if (VendaEmPartes) {
        VendaEmPartes->Desiste();
        EncerraPartes();
        return;
    }
    VendaEmPartes =
        std::make_unique<TVendaEmPartes>(FAmbiente, *DM_TEF, EDT_VALOR->Valor(), Relogio::Agora(),
                                         Venda.QRCodeNaTela, FConfiguracao.MaximoPartes);
    BtnDividir->setText(QStringLiteral("Cancelar ven&da"));
    MostraPartes();
}

// "Ok" pays the amount typed (the remainder, unless the cashier typed less);
// the sale shows what remains until it has ended, then the tab is the
// single sale's again.
void TForm_Principal::PagaParte() {
    const auto Encerra = qScopeGuard([this] {
        if (VendaEmPartes->Fim()) {
            EncerraPartes();
        }
    });
    VendaEmPartes->PagaParte(EDT_VALOR->Valor());
    if (!VendaEmPartes->Fim()) {
        MostraPartes();
    }
}

void TForm_Principal::MostraPartes() {
    if (VendaEmPartes->Documento() != 0) {
        EDT_IDENT_TRANS->setText(QString::number(VendaEmPartes->Documento()));
    }
    LBL_PARTES->setText(ResumoDasPartes(*VendaEmPartes));
    LBL_PARTES->show();
    EDT_VALOR->setText(VendaEmPartes->Restante().Formata(0, 2, QLocale().decimalPoint().front()));
    EDT_VALOR->selectAll();
    EDT_VALOR->setFocus();
}

void TForm_Principal::EncerraPartes() {
    VendaEmPartes.reset();
    BtnDividir->setText(QStringLiteral("&Dividir"));
    LBL_PARTES->hide();
    LBL_PARTES->clear();
}

void TForm_Principal::ExigeSemVendaEmPartes() const {
    if (VendaEmPartes) {
        throw EErro(QStringLiteral("Há uma venda em partes em andamento: pague o restante ou "
                                   "cancele a venda antes."));
    }
}

std::int32_t TForm_Principal::ExecutaVendaTEF(std::int32_t Operador, Currency Valor,
                                              const QDateTime& DataFiscal,
                                              const QDateTime& HoraFiscal) {
    return Venda.ExecutaVendaTEF(Operador, Valor, DataFiscal, HoraFiscal);
}

void TForm_Principal::Avisa(const QStringList& Mensagens) {
    using namespace CodigosDialogo;
    for (const QString& Mensagem : Mensagens) {
        FAmbiente.Operador.MsgDisplay(Mensagem, QStringLiteral("Atenção"), BotoesOk,
                                      IconeInformacao, BotaoPadraoAutomatico);
    }
}
