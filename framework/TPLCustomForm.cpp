#include "TPLCustomForm.h"

#include "Estilo.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TTPLCustomForm::TTPLCustomForm(QWidget* Pai) : TNForm(Pai) {
    FConteinerPanel = new QFrame(this);
    FConteinerPanel->setObjectName(QStringLiteral("FConteinerPanel"));
    FClientConteinerPanel = new QFrame(FConteinerPanel);
    FClientConteinerPanel->setObjectName(QStringLiteral("FClientConteinerPanel"));
    FTopBar = new QLabel(FClientConteinerPanel);
    FTopBar->setObjectName(QStringLiteral("FTopBar"));
    FTopBar->hide();
    // The top bar's own caption lies under the title panel: never shown.
    FTopBar->setStyleSheet(QStringLiteral("color: transparent;"));
    pnlTop = new QLabel(FTopBar);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setStyleSheet(Estilo::Cabecalho());
    FTopBar->setFixedHeight(AlturaTopBar);
    imgTopR = new QLabel(FTopBar);
    imgTopR->setObjectName(QStringLiteral("imgTopR"));
    imgTopL = new QLabel(FTopBar);
    imgTopL->setObjectName(QStringLiteral("imgTopL"));
    // The end images show only once a form gives them a picture.
    imgTopR->hide();
    imgTopL->hide();
    FConteudo = new QWidget(FClientConteinerPanel);
    FConteudo->setObjectName(QStringLiteral("Conteudo"));

    auto* Janela = new QVBoxLayout(this);
    Janela->setContentsMargins(0, 0, 0, 0);
    Janela->addWidget(FConteinerPanel);
    auto* Externo = new QVBoxLayout(FConteinerPanel);
    Externo->setContentsMargins(0, 0, 0, 0);
    Externo->addWidget(FClientConteinerPanel);
    auto* Barra = new QHBoxLayout(FTopBar);
    Barra->setContentsMargins(0, 0, 0, 0);
    Barra->setSpacing(0);
    Barra->addWidget(imgTopL);
    Barra->addWidget(pnlTop, 1);
    Barra->addWidget(imgTopR);
    auto* Interno = new QVBoxLayout(FClientConteinerPanel);
    Interno->setContentsMargins(0, 0, 0, 0);
    Interno->setSpacing(0);
    Interno->addWidget(FTopBar);
    Interno->addWidget(FConteudo, 1);
}

void TTPLCustomForm::AplicaEstiloModal() {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowState(Qt::WindowNoState);
    FConteinerPanel->setStyleSheet(
        Estilo::PainelGradiente(QStringLiteral("FConteinerPanel"), true));
    MargemInterna = 2;
    PosicionaPainelInterno();
}

void TTPLCustomForm::PosicionaPainelInterno() {
    FConteinerPanel->layout()->setContentsMargins(MargemInterna, MargemInterna, MargemInterna,
                                                  MargemInterna);
}

QSize TTPLCustomForm::TamanhoTelaCheia(const QSize& Tela) const {
    return QSize(Tela.width() - MargemLargura, Tela.height() - MargemAltura);
}

void TTPLCustomForm::showEvent(QShowEvent* Evento) {
    pnlTop->setText(windowTitle());
    TNForm::showEvent(Evento);
    if (TemplateModal) {
        Estilo::Centraliza(this);
    }
}

bool TTPLCustomForm::TeclaPressionada(QKeyEvent* Evento) {
    UltimaTecla = Evento->key();
    UltimoShift = Evento->modifiers();
    if (Evento->key() == Qt::Key_Escape) {
        EscPressionado();
        return true;
    }
    return TNForm::TeclaPressionada(Evento);
}

void TTPLCustomForm::EscPressionado() {
    if (TemplateModal) {
        done(-1);
    }
}

int MostraModal(TTPLCustomForm* Forma) {
    if (Forma->TelaCheia && Forma->screen() != nullptr) {
        Forma->resize(Forma->TamanhoTelaCheia(Forma->screen()->geometry().size()));
    }
    Forma->PosicionaPainelInterno();
    return Forma->exec();
}
