#include "MAN_CAIXA_TEF_MENU.h"

#include "CodigosDialogo.h"
#include "NPushButton.h"
#include "TratadorErros.h"

#include <QLabel>

QPointer<TManCaixaTefMenu> ManCaixaTefMenu;

namespace {

const QString Esconde = QStringLiteral("Esconde");
constexpr int LarguraBotao = 300;
constexpr int AlturaBotao = 25;
constexpr int EsquerdaBotao = 5;
constexpr int TopoPrimeiroBotao = 35;
constexpr int AlturaBarraBotoes = 37;
constexpr int Espacador = 13;

} // namespace

TManCaixaTefMenu::TManCaixaTefMenu(QWidget* Pai) : TTPLModalDataForm(Pai) {
    setObjectName(QStringLiteral("ManCaixaTefMenu"));
    setWindowTitle(QStringLiteral("Opções TEF"));
    TelaCheia = false;

    Pnl_Options = new QWidget(Conteudo());
    Pnl_Options->setObjectName(QStringLiteral("Pnl_Options"));
    LBL_TITULO = new QLabel(Pnl_Options);
    LBL_TITULO->setObjectName(QStringLiteral("LBL_TITULO"));
    LBL_TITULO->setAlignment(Qt::AlignCenter);
    LBL_TITULO->setWordWrap(true);
    LBL_TITULO->setGeometry(0, 0, 302, 39);
    LBL_TITULO->setStyleSheet(QStringLiteral("font-weight: bold;"));
    for (int Tag = 1; Tag <= 9; ++Tag) {
        auto* Botao = new TNPushButton(QString(), Pnl_Options);
        Botao->setObjectName(Tag == 1 ? QStringLiteral("BtnOp1")
                                      : QStringLiteral("btnOp%1").arg(Tag));
        Botao->setProperty("Tag", Tag);
        Botao->setGeometry(EsquerdaBotao, TopoPrimeiroBotao, LarguraBotao, AlturaBotao);
        Botao->setStyleSheet(QStringLiteral("text-align: left; padding-left: 8px;"));
        connect(Botao, &QPushButton::clicked, this, Protegido([this, Tag] { BtnOp1Click(Tag); }));
        BotoesOpcao[static_cast<size_t>(Tag - 1)] = Botao;
    }

    PNL_BOTOES = new QWidget(Conteudo());
    PNL_BOTOES->setObjectName(QStringLiteral("PNL_BOTOES"));
    BtnVoltar = TNPushButton::Cria(
        PNL_BOTOES, QStringLiteral("BtnVoltar"), QStringLiteral("      &Voltar"),
        [this] { BtnVoltarClick(); }, false);
    BtnSair = TNPushButton::Cria(
        PNL_BOTOES, QStringLiteral("BtnSair"), QStringLiteral("  &Abandonar"),
        [this] { BtnSairClick(); }, false);

    // The form's width is the option buttons' plus 13.
    resize(LarguraBotao + Espacador, AlturaBase + PassoBotao);
}

void TManCaixaTefMenu::showEvent(QShowEvent* Evento) {
    Opcoes.replace(u':', u'-');
    OpcaoEscolhida.clear();
    PreencheBotoes();
    PosicionaBotoes();
    TTPLModalDataForm::showEvent(Evento);
}

// Up to nine entries, each the text before a ";". An entry with no ";" after
// it is the last one, so a list without its final ";" loses nothing.
void TManCaixaTefMenu::PreencheBotoes() {
    for (TNPushButton* Botao : BotoesOpcao) {
        Botao->setText(Esconde);
        Botao->hide();
    }
    for (size_t Posicao = 0; Posicao < BotoesOpcao.size(); ++Posicao) {
        const qsizetype Fim = Opcoes.indexOf(u';');
        QString Entrada = Fim < 0 ? Opcoes : Opcoes.left(Fim);
        if (Posicao == 0) {
            Entrada = Entrada.trimmed();
        }
        BotoesOpcao[Posicao]->setText(QLatin1Char('&') + Entrada);
        Opcoes = Fim < 0 ? QString() : Opcoes.mid(Fim + 1);
        if (Opcoes.isEmpty()) {
            break;
        }
    }
}

void TManCaixaTefMenu::PosicionaBotoes() {
    int Visiveis = 0;
    int Topo = TopoPrimeiroBotao;
    for (TNPushButton* Botao : BotoesOpcao) {
        if (Botao->text() == Esconde) {
            continue;
        }
        Botao->move(EsquerdaBotao, Topo);
        Botao->show();
        Topo += Botao->height() + 2;
        ++Visiveis;
    }
    resize(width(), AlturaBase + PassoBotao * Visiveis);

    // Option panel between the spacer and the button bar, title centred.
    const int Largura = width() - 2 * MargemInterna;
    const int AlturaConteudo = height() - 2 * MargemInterna - FTopBar->height();
    Pnl_Options->setGeometry(0, Espacador, Largura, AlturaConteudo - Espacador - AlturaBarraBotoes);
    LBL_TITULO->move(qRound((Largura - LBL_TITULO->width()) / 2.0), 0);
    PNL_BOTOES->setGeometry(0, AlturaConteudo - AlturaBarraBotoes, Largura, AlturaBarraBotoes);
    BtnVoltar->setGeometry(5, 6, 100, AlturaBotao);
    BtnSair->setGeometry(Largura - 105, 6, 100, AlturaBotao);
}

void TManCaixaTefMenu::BtnOp1Click(int Tag) {
    OpcaoEscolhida = QString::number(Tag);
    accept();
}

void TManCaixaTefMenu::BtnSairClick() {
    OpcaoEscolhida = CodigosDialogo::CodigoAbandono;
    accept();
}

void TManCaixaTefMenu::BtnVoltarClick() {
    OpcaoEscolhida = CodigosDialogo::CodigoVoltar;
    accept();
}

// Esc and every other way of closing abandon, as "&Abandonar" does: closing
// with no answer would let the loops send an empty choice to the library.
void TManCaixaTefMenu::EscPressionado() {
    BtnSairClick();
}

void TManCaixaTefMenu::reject() {
    BtnSairClick();
}
