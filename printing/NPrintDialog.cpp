#include "NPrintDialog.h"

#include "CodigosDialogo.h"
#include "Erros.h"
#include "Estilo.h"
#include "NDialog.h"
#include "NMaskEdit.h"
#include "NPushButton.h"
#include "NReport.h"
#include "TratadorErros.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

const QString ValorInvalido = QStringLiteral("Valor inválido.");

QComboBox* NovaLista(const QString& Nome, const QStringList& Itens, const QString& Dica,
                     QWidget* Pai) {
    auto* Lista = new QComboBox(Pai);
    Lista->setObjectName(Nome);
    Lista->addItems(Itens);
    Lista->setToolTip(Dica);
    return Lista;
}

TNMaskEdit* NovoNumero(const QString& Nome, int Digitos, const QString& Dica, QWidget* Pai) {
    auto* Campo = new TNMaskEdit(Pai);
    Campo->setObjectName(Nome);
    Campo->DefineMascara(QString(Digitos, u'9') + QStringLiteral("; "));
    Campo->setToolTip(Dica);
    return Campo;
}

int Numero(const TNMaskEdit* Campo) {
    return Campo->text().trimmed().toInt();
}

// A refused value: the message, the focus back, the action abandoned.
[[noreturn]] void Recusa(QWidget* Campo) {
    using namespace CodigosDialogo;
    TDialog::Executa(ValorInvalido, QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                     BotaoPadraoAutomatico);
    DevolveFoco(Campo);
    throw EAbortoSilencioso();
}

} // namespace

TFPrintDialog::TFPrintDialog(TNTextReport& RelatorioImpresso, QWidget* Pai)
    : TNForm(Pai), Relatorio(RelatorioImpresso) {
    setObjectName(QStringLiteral("FPrintDialog"));
    setWindowTitle(QStringLiteral("Propriedades de impressão"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    QFrame* Moldura = Estilo::Moldura(this);

    auto* Topo = new QLabel(
        QStringLiteral("Informe as opções de impressão para o dispositivo\nselecionado."), Moldura);
    Topo->setObjectName(QStringLiteral("Topo"));
    Topo->setStyleSheet(Estilo::Cabecalho());
    auto* Cabecalho = new QLabel(QStringLiteral("Propriedades de Impressão"), Moldura);
    Cabecalho->setStyleSheet(QStringLiteral("font-weight: bold; background: transparent;"));

    QWidget* Painel = MontaPainel();
    FPrintButton = TNPushButton::Cria(Moldura, QStringLiteral("FPrintButton"),
                                      QStringLiteral("&Imprimir"), [this] { FPrintButtonClick(); });
    FPrintButton->setToolTip(QStringLiteral("Imprimir"));
    FCancelButton = TNPushButton::Cria(
        Moldura, QStringLiteral("FCancelButton"), QStringLiteral("&Cancelar"), [this] { reject(); },
        false);
    FCancelButton->setToolTip(QStringLiteral("Cancelar impressão"));

    auto* Botoes = new QHBoxLayout();
    Botoes->addStretch();
    Botoes->addWidget(FPrintButton);
    Botoes->addWidget(FCancelButton);
    auto* Corpo = new QVBoxLayout(Moldura);
    Corpo->setContentsMargins(2, 2, 2, 8);
    Corpo->addWidget(Topo);
    Corpo->addWidget(Cabecalho);
    Corpo->addWidget(Painel);
    Corpo->addLayout(Botoes);

    // Into the panel from "&Cancelar" (or from nowhere): the printer list;
    // back from "&Imprimir": the copies.
    const QList<QWidget*> Ordem = {FSelPrinterCombo, FModeCombo,   FOrientCombo, FSelectCombo,
                                   FDeviceCombo,     FIniPageEdit, FEndPageEdit, FNumCopyEdit,
                                   FPrintButton,     FCancelButton};
    for (qsizetype I = 1; I < Ordem.size(); ++I) {
        setTabOrder(Ordem[I - 1], Ordem[I]);
    }
}

QWidget* TFPrintDialog::MontaPainel() {
    auto* Painel = new QFrame(this);
    Painel->setObjectName(QStringLiteral("Painel"));
    Painel->setStyleSheet(QStringLiteral("QFrame#Painel { border: 1px solid rgb(170, 170, 205); "
                                         "border-radius: 8px; background: white; }"));
    FSelectCombo =
        NovaLista(QStringLiteral("FSelectCombo"),
                  {QStringLiteral("Todas as Páginas"), QStringLiteral("Página Atual"),
                   QStringLiteral("Selecionar Faixa")},
                  QStringLiteral("Define a faixa de páginas que serão impressas"), Painel);
    FDeviceCombo = NovaLista(
        QStringLiteral("FDeviceCombo"),
        {QStringLiteral("Impressora Selecionada"), QStringLiteral("Arquivo")},
        QStringLiteral("Define o direcionamento da impressão: Text ou Impressora"), Painel);
    FIniPageEdit = NovoNumero(QStringLiteral("FIniPageEdit"), 5,
                              QStringLiteral("Seleciona a pagina inicial da faixa"), Painel);
    FEndPageEdit = NovoNumero(QStringLiteral("FEndPageEdit"), 5,
                              QStringLiteral("Seleciona a pagina final da faixa"), Painel);
    FNumCopyEdit =
        NovoNumero(QStringLiteral("FNumCopyEdit"), 3,
                   QStringLiteral("Define o numero de copias a serem impressas"), Painel);
    FSelPrinterCombo =
        NovaLista(QStringLiteral("FSelPrinterCombo"), {},
                  QStringLiteral("Permite selecionar o dispositivo de impressão"), Painel);
    FModeCombo = NovaLista(
        QStringLiteral("FModeCombo"),
        {QStringLiteral("Matricial 8/16 agulhas (Default)"), QStringLiteral("Jato de Tinta")},
        QString(), Painel);
    FOrientCombo = NovaLista(QStringLiteral("FOrientCombo"),
                             {QStringLiteral("Retrato (Default)"), QStringLiteral("Paisagem")},
                             QString(), Painel);

    auto* Formulario = new QFormLayout(Painel);
    const std::pair<const char*, QWidget*> Linhas[] = {
        {"&Selecionar Impressora:", FSelPrinterCombo},
        {"&Modo de Impressão:", FModeCombo},
        {"&Orientação", FOrientCombo},
        {"&Faixa de impressão", FSelectCombo},
        {"&Enviar para:", FDeviceCombo},
        {"&Página inicial:", FIniPageEdit},
        {"Página fina&l:", FEndPageEdit},
        {"&Número de cópias:", FNumCopyEdit}};
    for (const auto& [Rotulo, Controle] : Linhas) {
        Formulario->addRow(QString::fromUtf8(Rotulo), Controle);
    }

    const auto Valida = [this](void (TFPrintDialog::*Verificacao)()) {
        return [this, Verificacao](QWidget*) { (this->*Verificacao)(); };
    };
    for (TNMaskEdit* Campo : {FIniPageEdit, FEndPageEdit, FNumCopyEdit}) {
        Campo->OnBeforeExit = [this](QWidget*, bool& Validate) { Validate = ValidateOnExit; };
    }
    FIniPageEdit->OnValidate = Valida(&TFPrintDialog::ValidaIniPage);
    FEndPageEdit->OnValidate = Valida(&TFPrintDialog::ValidaEndPage);
    FNumCopyEdit->OnValidate = Valida(&TFPrintDialog::ValidaNumCopy);

    connect(FSelectCombo, &QComboBox::currentIndexChanged, this,
            Protegido([this] { FSelectComboChange(); }));
    connect(FDeviceCombo, &QComboBox::currentIndexChanged, this,
            Protegido([this] { FDeviceComboChange(); }));
    connect(FSelPrinterCombo, &QComboBox::currentIndexChanged, this,
            Protegido([this] { FSelPrinterComboChange(); }));
    connect(FModeCombo, &QComboBox::currentIndexChanged, this,
            Protegido([this] { FModeComboChange(); }));
    return Painel;
}

void TFPrintDialog::showEvent(QShowEvent* Evento) {
    FIniPageEdit->setText(QStringLiteral("1"));
    FEndPageEdit->setText(QString::number(Relatorio.PageNumber()));
    FNumCopyEdit->setText(QString::number(Relatorio.Copies));
    FDeviceCombo->setCurrentIndex(0);
    FSelectCombo->setCurrentIndex(0);
    FOrientCombo->setCurrentIndex(0);
    FOrientCombo->setEnabled(false);
    FSelectComboChange();
    FSelectCombo->setEnabled(Relatorio.PageNumber() > 1 && Relatorio.PrintTarget == ptPreview);
    FModeCombo->setCurrentIndex(0);
    ListaImpressoras::Reinicia();
    {
        const QSignalBlocker Bloqueio(FSelPrinterCombo);
        FSelPrinterCombo->clear();
        FSelPrinterCombo->addItems(ListaImpressoras::NomesImpressoras());
        FSelPrinterCombo->setCurrentIndex(ListaImpressoras::IndiceAtual());
    }
    FSelPrinterComboChange();
    TNForm::showEvent(Evento);
    Estilo::Centraliza(this);
    FPrintButton->setFocus();
    ValidateOnExit = true;
}

void TFPrintDialog::FSelectComboChange() {
    const bool Faixa = FSelectCombo->currentIndex() == 2;
    FIniPageEdit->setEnabled(Faixa);
    FEndPageEdit->setEnabled(Faixa);
}

void TFPrintDialog::FDeviceComboChange() {
    const bool Impressora = FDeviceCombo->currentIndex() == 0;
    FSelPrinterCombo->setEnabled(Impressora);
    FModeCombo->setEnabled(Impressora);
}

void TFPrintDialog::FSelPrinterComboChange() {
    if (ListaImpressoras::ImpressorasPresentes() && FSelPrinterCombo->currentIndex() >= 0) {
        ListaImpressoras::SelecionaImpressora(FSelPrinterCombo->currentIndex());
    }
}

void TFPrintDialog::FModeComboChange() {
    const bool JatoDeTinta = FModeCombo->currentIndex() == 1;
    FOrientCombo->setEnabled(JatoDeTinta);
    FOrientCombo->setCurrentIndex(JatoDeTinta ? 1 : 0);
}

void TFPrintDialog::ValidaIniPage() {
    const int Valor = Numero(FIniPageEdit);
    if (Valor == 0 || Valor > Numero(FEndPageEdit) || Valor > Relatorio.PageNumber()) {
        Recusa(FIniPageEdit);
    }
}

void TFPrintDialog::ValidaEndPage() {
    const int Valor = Numero(FEndPageEdit);
    if (Valor == 0 || Valor < Numero(FIniPageEdit) || Valor > Relatorio.PageNumber()) {
        Recusa(FEndPageEdit);
    }
}

void TFPrintDialog::ValidaNumCopy() {
    if (Numero(FNumCopyEdit) == 0) {
        Recusa(FNumCopyEdit);
    }
}

TPrinterDialogInfo TFPrintDialog::Registro() const {
    TPrinterDialogInfo Info;
    ListaImpressoras::ConfiguracaoPadrao(Info.PrinterInfo);
    Info.PrinterInfo.DeviceKind = static_cast<std::uint8_t>(FModeCombo->currentIndex());
    Info.PrinterInfo.Orientation = static_cast<std::uint8_t>(FOrientCombo->currentIndex());
    Info.PrinterInfo.FileName = NomeArquivo;
    Info.Range = static_cast<std::uint8_t>(FSelectCombo->currentIndex());
    Info.Output = static_cast<std::uint8_t>(FDeviceCombo->currentIndex());
    Info.FirstPage = Numero(FIniPageEdit);
    Info.LastPage = Numero(FEndPageEdit);
    Info.Copies = Numero(FNumCopyEdit);
    return Info;
}

QString TFPrintDialog::TituloSalvar() {
    return QStringLiteral("Definir o Nome do Arquivo de Impressao");
}

QString TFPrintDialog::FiltroSalvar() {
    return QStringLiteral("Arquivos de Impressao (*.prn);;Todos os Arquivos (*)");
}

bool TFPrintDialog::EscolheArquivo() {
    QFileDialog Salvar(this, TituloSalvar(), QDir::currentPath(), FiltroSalvar());
    Salvar.setObjectName(QStringLiteral("SaveDialog"));
    Salvar.setAcceptMode(QFileDialog::AcceptSave);
    Salvar.setDefaultSuffix(QStringLiteral("prn"));
    Salvar.setOption(QFileDialog::DontUseNativeDialog);
    Salvar.setOption(QFileDialog::DontConfirmOverwrite, false);
    const QString Proposto = Relatorio.DocumentName.trimmed().isEmpty()
                                 ? QStringLiteral("Relatorio")
                                 : Relatorio.DocumentName;
    Salvar.selectFile(Proposto + QStringLiteral(".prn"));
    if (Salvar.exec() != QDialog::Accepted || Salvar.selectedFiles().isEmpty()) {
        return false;
    }
    NomeArquivo = Salvar.selectedFiles().front();
    return true;
}

void TFPrintDialog::FPrintButtonClick() {
    ValidaIniPage();
    ValidaEndPage();
    ValidaNumCopy();
    if (!ListaImpressoras::ImpressorasPresentes() && FDeviceCombo->currentIndex() == 0) {
        using namespace CodigosDialogo;
        TDialog::Executa(QStringLiteral("Nenhum dispositivo de impressão está disponível. Talvez o "
                                        "dispositivo não esteja instalado no Windows."),
                         QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                         BotaoPadraoAutomatico);
        DevolveFoco(FPrintButton);
        return;
    }
    if (FDeviceCombo->currentIndex() == 1 && !EscolheArquivo()) {
        return;
    }
    Confirmed = true;
    accept();
}

void TFPrintDialog::reject() {
    ValidateOnExit = false;
    Confirmed = false;
    TNForm::reject();
}

// The window has no frame: it is dragged by its body.
void TFPrintDialog::mousePressEvent(QMouseEvent* Evento) {
    if (Evento->button() == Qt::LeftButton) {
        FArrasto = Evento->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    TNForm::mousePressEvent(Evento);
}

void TFPrintDialog::mouseMoveEvent(QMouseEvent* Evento) {
    if (Evento->buttons() & Qt::LeftButton) {
        move(Evento->globalPosition().toPoint() - FArrasto);
    }
    TNForm::mouseMoveEvent(Evento);
}

bool TFPrintDialog::ExecuteDialog(TNTextReport& Relatorio, TPrinterDialogInfo& Info) {
    TFPrintDialog Dialogo(Relatorio);
    Dialogo.exec();
    if (Dialogo.Confirmed) {
        Info = Dialogo.Registro();
    }
    return Dialogo.Confirmed;
}
