#include "MAN_CAIXA_TEF_MOVIMENTO.h"

#include "ArquivoAtomico.h"
#include "Erros.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "ListaMovimento.h"
#include "NPushButton.h"
#include "Relogio.h"
#include "TratadorErros.h"

#include <QApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
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

    connect(EDT_DATA, &QDateEdit::dateChanged, this,
            Protegido([this] { MostraDia(EDT_DATA->date()); }));
    MostraHoje();
}

void TManCaixaTefMovimento::MostraHoje() {
    const QDate Hoje = Relogio::Agora().date();
    MostraDia(Hoje); // first: a journal that cannot be read leaves the date as it was
    const QSignalBlocker SemReleitura(EDT_DATA);
    EDT_DATA->setDate(Hoje);
    GRD_MOVIMENTO->setFocus();
}

void TManCaixaTefMovimento::Prepara() {
    ensurePolished();
    layout()->activate();
}

void TManCaixaTefMovimento::MontaGrade() {
    GRD_MOVIMENTO = new TListaMovimento(Conteudo());
    GRD_MOVIMENTO->setObjectName(QStringLiteral("GRD_MOVIMENTO"));
    // Enter (or a double click) on a line prints its copy.
    connect(GRD_MOVIMENTO, &TListaMovimento::Escolhida, this,
            Protegido([this] { BtnImprimirCopiaClick(); }));
    connect(GRD_MOVIMENTO, &TListaMovimento::AtualMudou, this,
            Protegido([this] { HabilitaCopia(); }));
}

void TManCaixaTefMovimento::MostraDia(const QDate& Dia) {
    // Read whole before the list changes: a journal that cannot be read
    // leaves the day shown before.
    auto Novo = std::make_unique<TMovimentoTEF>(FLivro.DoDia(Dia));
    GRD_MOVIMENTO->Define(&Novo->Linhas());
    FMovimento = std::move(Novo);
    // The latest transaction first under the cursor: it is the one asked about most.
    GRD_MOVIMENTO->DefineAtual(GRD_MOVIMENTO->Quantidade() - 1);
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
    const int Linha = GRD_MOVIMENTO->Atual();
    const std::vector<TLinhaMovimento>& Linhas = FMovimento->Linhas();
    return Linha >= 0 && Linha < static_cast<int>(Linhas.size())
               ? &Linhas[static_cast<size_t>(Linha)]
               : nullptr;
}

void TManCaixaTefMovimento::HabilitaCopia() {
    const TLinhaMovimento* Linha = LinhaEscolhida();
    BtnImprimirCopia->setEnabled(Linha != nullptr && Linha->ComComprovante);
}

void TManCaixaTefMovimento::BtnImprimirCopiaClick() {
    if (!BtnImprimirCopia->isEnabled()) {
        return;
    }
    const TLinhaMovimento& Linha = *LinhaEscolhida();
    if (!Linha.SemCopia.isEmpty()) {
        throw EErro(QStringLiteral("Cópia não impressa (documento %1): %2.")
                        .arg(Linha.Documento, Linha.SemCopia));
    }
    FModulo.ImprimeCopia(FLivro.ComprovanteDe(Linha.Id));
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

// A bare letter presses its button from the list ("c" a copy, "e" export,
// "f" close) and leaves the focus on the list, where the arrows work; from
// the other controls the focus goes to the button, as in every form.
bool TManCaixaTefMovimento::TeclaPressionada(QKeyEvent* Evento) {
    if (QApplication::focusWidget() == GRD_MOVIMENTO) {
        if (TNPushButton* Botao = BotaoDoAcelerador(this, Evento)) {
            Botao->click();
            return true;
        }
    }
    return TTPLModalDataForm::TeclaPressionada(Evento);
}
