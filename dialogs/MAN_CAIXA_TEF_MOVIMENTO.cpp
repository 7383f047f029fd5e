#include "MAN_CAIXA_TEF_MOVIMENTO.h"

#include "ArquivoAtomico.h"
#include "DelegadoMovimento.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "ModeloMovimento.h"
#include "NPushButton.h"
#include "Relogio.h"
#include "TratadorErros.h"

#include <QApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString Total(const QString& Nome, const TTotalMovimento& Total) {
    return QStringLiteral("%1: %2 — R$ %3")
        .arg(Nome)
        .arg(Total.Quantidade)
        .arg(TextoDoValor(Total.Soma));
}

} // namespace

TManCaixaTefMovimento::TManCaixaTefMovimento(TLivroTransacoes& Livro, TDM_TEF& Modulo, QWidget* Pai)
    : TTPLModalDataForm(Pai), FLivro(Livro), FModulo(Modulo) {
    setObjectName(QStringLiteral("ManCaixaTefMovimento"));
    setWindowTitle(QStringLiteral("Movimento TEF"));
    TelaCheia = false;

    auto* RotuloData = new QLabel(QStringLiteral("&Dia:"), Conteudo());
    EDT_DATA = new QDateEdit(Conteudo());
    EDT_DATA->setObjectName(QStringLiteral("EDT_DATA"));
    EDT_DATA->setCalendarPopup(true);
    EDT_DATA->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    RotuloData->setBuddy(EDT_DATA);
    MontaGrade();
    LBL_TOTAIS = new QLabel(Conteudo());
    LBL_TOTAIS->setObjectName(QStringLiteral("LBL_TOTAIS"));
    QFont Negrito = LBL_TOTAIS->font();
    Negrito.setBold(true);
    LBL_TOTAIS->setFont(Negrito);
    BtnImprimirCopia =
        TNPushButton::Cria(Conteudo(), QStringLiteral("BtnImprimirCopia"),
                           QStringLiteral("Imprimir &cópia"), [this] { BtnImprimirCopiaClick(); });
    BtnExportar = TNPushButton::Cria(Conteudo(), QStringLiteral("BtnExportar"),
                                     QStringLiteral("&Exportar"), [this] { BtnExportarClick(); });
    BtnFechar = TNPushButton::Cria(
        Conteudo(), QStringLiteral("BtnFechar"), QStringLiteral("&Fechar"), [this] { accept(); },
        false);

    auto* Topo = new QHBoxLayout();
    Topo->addWidget(RotuloData);
    Topo->addWidget(EDT_DATA);
    Topo->addStretch();
    auto* Botoes = new QHBoxLayout();
    Botoes->addWidget(BtnImprimirCopia);
    Botoes->addWidget(BtnExportar);
    Botoes->addStretch();
    Botoes->addWidget(BtnFechar);
    auto* Coluna = new QVBoxLayout(Conteudo());
    Coluna->setContentsMargins(8, 8, 8, 8);
    Coluna->addLayout(Topo);
    Coluna->addWidget(GRD_MOVIMENTO, 1);
    Coluna->addWidget(LBL_TOTAIS);
    Coluna->addLayout(Botoes);
    // Arrows and Enter work the list first.
    setTabOrder(GRD_MOVIMENTO, EDT_DATA);
    setTabOrder(EDT_DATA, BtnImprimirCopia);
    setTabOrder(BtnImprimirCopia, BtnExportar);
    setTabOrder(BtnExportar, BtnFechar);
    resize(860, 460);

    const QDate Hoje = Relogio::Agora().date();
    EDT_DATA->setDate(Hoje);
    MostraDia(Hoje);
    connect(EDT_DATA, &QDateEdit::dateChanged, this,
            Protegido([this] { MostraDia(EDT_DATA->date()); }));
    GRD_MOVIMENTO->setFocus();
}

QTableView* NovaListaMovimento(TModeloMovimento* Modelo, QWidget* Pai) {
    auto* Lista = new QTableView(Pai);
    Lista->setObjectName(QStringLiteral("GRD_MOVIMENTO"));
    Lista->setModel(Modelo);
    Lista->setItemDelegate(new TDelegadoMovimento(Lista));
    Lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    Lista->setSelectionMode(QAbstractItemView::SingleSelection);
    Lista->setTabKeyNavigation(false);
    Lista->verticalHeader()->hide();
    Lista->verticalHeader()->setDefaultSectionSize(22);
    Lista->horizontalHeader()->setStretchLastSection(true);
    const int Larguras[] = {64, 86, 110, 80, 160, 72, 56, 80};
    for (int Coluna = 0; Coluna < static_cast<int>(std::size(Larguras)); ++Coluna) {
        Lista->setColumnWidth(Coluna, Larguras[Coluna]);
    }
    return Lista;
}

void TManCaixaTefMovimento::MontaGrade() {
    FModelo = new TModeloMovimento(this);
    GRD_MOVIMENTO = NovaListaMovimento(FModelo, Conteudo());
    // Enter (or a double click) on a row prints its copy.
    connect(GRD_MOVIMENTO, &QAbstractItemView::activated, this,
            Protegido([this] { BtnImprimirCopiaClick(); }));
    connect(GRD_MOVIMENTO->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            Protegido([this] { HabilitaCopia(); }));
}

void TManCaixaTefMovimento::MostraDia(const QDate& Dia) {
    // Read whole before the list changes: a journal that cannot be read
    // leaves the day shown before.
    auto Novo = std::make_unique<TMovimentoTEF>(FLivro.DoDia(Dia));
    FModelo->Define(&Novo->Linhas());
    FMovimento = std::move(Novo);
    // The latest transaction first under the cursor: it is the one asked about most.
    if (const int Linhas = FModelo->rowCount(); Linhas > 0) {
        GRD_MOVIMENTO->setCurrentIndex(FModelo->index(Linhas - 1, 0));
    }
    MostraTotais();
    HabilitaCopia();
}

void TManCaixaTefMovimento::MostraTotais() {
    const TTotaisMovimento& Totais = FMovimento->Totais();
    LBL_TOTAIS->setText(QStringLiteral("%1    %2    Líquido: R$ %3")
                            .arg(Total(QStringLiteral("Vendas confirmadas"), Totais.Vendas),
                                 Total(QStringLiteral("Cancelamentos"), Totais.Cancelamentos),
                                 TextoDoValor(Totais.Liquido)));
}

const TLinhaMovimento* TManCaixaTefMovimento::LinhaEscolhida() const {
    const int Linha = GRD_MOVIMENTO->currentIndex().row();
    const std::vector<TLinhaMovimento>& Linhas = FMovimento->Linhas();
    return Linha >= 0 && Linha < static_cast<int>(Linhas.size())
               ? &Linhas[static_cast<size_t>(Linha)]
               : nullptr;
}

void TManCaixaTefMovimento::HabilitaCopia() {
    const TLinhaMovimento* Linha = LinhaEscolhida();
    BtnImprimirCopia->setEnabled(Linha != nullptr && !Linha->Comprovante.trimmed().isEmpty());
}

void TManCaixaTefMovimento::BtnImprimirCopiaClick() {
    if (!BtnImprimirCopia->isEnabled()) {
        return;
    }
    FModulo.ImprimeCopia(LinhaEscolhida()->Comprovante);
    GRD_MOVIMENTO->setFocus();
}

void TManCaixaTefMovimento::ExportaPara(const QString& Arquivo) const {
    GravaArquivoAtomico(Arquivo, FMovimento->Csv());
}

void TManCaixaTefMovimento::BtnExportarClick() {
    QFileDialog Dialogo(this, QStringLiteral("Exportar movimento"));
    Dialogo.setAcceptMode(QFileDialog::AcceptSave);
    Dialogo.setDefaultSuffix(QStringLiteral("csv"));
    Dialogo.setNameFilter(QStringLiteral("CSV (*.csv)"));
    Dialogo.selectFile(
        QStringLiteral("movimento-tef-%1.csv").arg(EDT_DATA->date().toString(u"yyyyMMdd")));
    Dialogo.setOption(QFileDialog::DontUseNativeDialog);
    if (Dialogo.exec() == QDialog::Accepted && !Dialogo.selectedFiles().isEmpty()) {
        ExportaPara(Dialogo.selectedFiles().front());
    }
}

void TManCaixaTefMovimento::EscPressionado() {
    reject();
}

// The list takes no typed text: a bare letter presses its button from it
// too ("c" a copy, "e" export, "f" close), as it does from the other
// controls.
bool TManCaixaTefMovimento::TeclaPressionada(QKeyEvent* Evento) {
    if (QApplication::focusWidget() == GRD_MOVIMENTO) {
        if (TNPushButton* Botao = BotaoDoAcelerador(this, Evento)) {
            Botao->click();
            return true;
        }
    }
    return TTPLModalDataForm::TeclaPressionada(Evento);
}
