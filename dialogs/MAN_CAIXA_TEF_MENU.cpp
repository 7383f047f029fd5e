#include "MAN_CAIXA_TEF_MENU.h"

#include "CodigosDialogo.h"
#include "NPushButton.h"
#include "TratadorErros.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

QPointer<TManCaixaTefMenu> ManCaixaTefMenu;

namespace {

const QString Esconde = QStringLiteral("Esconde");
const char* const PropriedadeResposta = "Resposta";
const char* const PropriedadeComCodigo = "ComCodigo";
constexpr int LarguraBotao = 300;
constexpr int AlturaBotao = 25;
constexpr int EsquerdaBotao = 5;
constexpr int TopoPrimeiroBotao = 35;
constexpr int AlturaBarraBotoes = 37;
constexpr int Espacador = 13;

bool SoDigitos(const QString& Texto) {
    return !Texto.isEmpty() &&
           std::all_of(Texto.begin(), Texto.end(), [](QChar C) { return C.isDigit(); });
}

// "code:text" with a numeric code.
bool TemCodigo(const QString& Entrada) {
    return Entrada.contains(u':') && SoDigitos(Entrada.left(Entrada.indexOf(u':')).trimmed());
}

} // namespace

QString RespostaDaOpcao(const QString& Entrada, int Posicao, const QStringList& Codigos) {
    if (TemCodigo(Entrada)) {
        return Entrada.left(Entrada.indexOf(u':')).trimmed();
    }
    // In a mixed list ("2:A;B;") the position may be another entry's code.
    while (Codigos.contains(QString::number(Posicao))) {
        ++Posicao;
    }
    return QString::number(Posicao);
}

QStringList CodigosDaLista(const QString& Opcoes) {
    QStringList Codigos;
    for (const QString& Entrada : Opcoes.split(u';')) {
        if (TemCodigo(Entrada.trimmed())) {
            Codigos.append(RespostaDaOpcao(Entrada.trimmed(), 0));
        }
    }
    return Codigos;
}

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
    FRolagem = new QScrollArea(Pnl_Options);
    FRolagem->setObjectName(QStringLiteral("Rolagem"));
    FRolagem->setFrameShape(QFrame::NoFrame);
    FRolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FRolagem->setFocusPolicy(Qt::NoFocus);
    FPainelBotoes = new QWidget();
    FRolagem->setWidget(FPainelBotoes);
    for (size_t Posicao = 0; Posicao < BotoesVisiveis; ++Posicao) {
        Botao(Posicao);
    }
    // The entry the keyboard reaches is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* Novo) {
        if (Novo != nullptr && FPainelBotoes->isAncestorOf(Novo)) {
            FRolagem->ensureWidgetVisible(Novo, 0, 0);
        }
    });

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

// The option button at Posicao (from 0), made when a list first needs it.
TNPushButton* TManCaixaTefMenu::Botao(size_t Posicao) {
    while (BotoesOpcao.size() <= Posicao) {
        const int Tag = static_cast<int>(BotoesOpcao.size()) + 1;
        auto* Novo = new TNPushButton(QString(), FPainelBotoes);
        Novo->setObjectName(Tag == 1 ? QStringLiteral("BtnOp1")
                                     : QStringLiteral("btnOp%1").arg(Tag));
        Novo->setProperty("Tag", Tag);
        Novo->setStyleSheet(QStringLiteral("text-align: left; padding-left: 8px;"));
        Novo->hide();
        connect(Novo, &QPushButton::clicked, this, Protegido([this, Tag] { BtnOp1Click(Tag); }));
        BotoesOpcao.push_back(Novo);
    }
    return BotoesOpcao[Posicao];
}

void TManCaixaTefMenu::showEvent(QShowEvent* Evento) {
    OpcaoEscolhida.clear();
    Continuacao = -1;
    FDigitado.clear();
    FPendente.clear();
    PreencheBotoes();
    PosicionaBotoes();
    TTPLModalDataForm::showEvent(Evento);
}

// Every entry, each the text before a ";", its ":" shown as "-". An entry
// with no ";" after it is the last one, so a list without its final ";"
// loses nothing. Empty entries are not offered (an uncoded entry keeps its
// place in the library's list), and past MaximoOpcoes one line says how
// many more there were.
void TManCaixaTefMenu::PreencheBotoes() {
    for (TNPushButton* Opcao : BotoesOpcao) {
        Opcao->setText(Esconde);
        Opcao->hide();
    }
    const QStringList Codigos = CodigosDaLista(Opcoes);
    size_t Botoes = 0;
    int Omitidas = 0;
    // Read in place: cutting the list's head at every entry copies a huge
    // list once per entry.
    qsizetype Inicio = 0;
    for (int Posicao = 1; Inicio < Opcoes.size(); ++Posicao) {
        qsizetype Fim = Opcoes.indexOf(u';', Inicio);
        if (Fim < 0) {
            Fim = Opcoes.size();
        }
        QString Entrada = Opcoes.mid(Inicio, Fim - Inicio);
        Inicio = Fim + 1;
        if (Botoes == 0) {
            Entrada = Entrada.trimmed();
        }
        if (Entrada.trimmed().isEmpty()) {
            continue;
        }
        if (Botoes == static_cast<size_t>(MaximoOpcoes)) {
            ++Omitidas;
            continue;
        }
        TNPushButton* Opcao = Botao(Botoes++);
        Opcao->setEnabled(true);
        Opcao->setProperty(PropriedadeResposta, RespostaDaOpcao(Entrada, Posicao, Codigos));
        Opcao->setProperty(PropriedadeComCodigo, TemCodigo(Entrada));
        Opcao->setText(QLatin1Char('&') + Entrada.replace(u':', u'-'));
    }
    Opcoes.clear();
    if (Omitidas > 0) {
        TNPushButton* Aviso = Botao(Botoes);
        Aviso->setEnabled(false);
        Aviso->setProperty(PropriedadeResposta, QString());
        Aviso->setProperty(PropriedadeComCodigo, false);
        Aviso->setText(QStringLiteral("(mais %1 opções não mostradas)").arg(Omitidas));
    }
}

// A long list's buttons go with the list: the next one makes what it needs.
void TManCaixaTefMenu::hideEvent(QHideEvent* Evento) {
    // Later: the button that closed the menu is still inside its click.
    while (BotoesOpcao.size() > static_cast<size_t>(BotoesVisiveis)) {
        BotoesOpcao.back()->deleteLater();
        BotoesOpcao.pop_back();
    }
    TTPLModalDataForm::hideEvent(Evento);
}

// Entries made for a long list were created after the bar's buttons: the
// keys go through every entry, in order, before "Voltar" and "Abandonar".
void TManCaixaTefMenu::OrdenaFoco() {
    QWidget* Anterior = nullptr;
    for (TNPushButton* Opcao : BotoesOpcao) {
        if (Opcao->text() == Esconde) {
            continue;
        }
        if (Anterior != nullptr) {
            setTabOrder(Anterior, Opcao);
        }
        Anterior = Opcao;
    }
    if (Anterior != nullptr) {
        setTabOrder(Anterior, BtnVoltar);
        setTabOrder(BtnVoltar, BtnSair);
    }
}

void TManCaixaTefMenu::PosicionaBotoes() {
    int Visiveis = 0;
    for (TNPushButton* Opcao : BotoesOpcao) {
        if (Opcao->text() != Esconde) {
            ++Visiveis;
        }
    }
    const int NaTela = std::min(Visiveis, BotoesVisiveis);
    const bool Rola = Visiveis > BotoesVisiveis;
    const int LarguraOpcao =
        LarguraBotao - (Rola ? FRolagem->verticalScrollBar()->sizeHint().width() : 0);
    int Topo = 0;
    for (TNPushButton* Opcao : BotoesOpcao) {
        if (Opcao->text() == Esconde) {
            continue;
        }
        Opcao->setGeometry(EsquerdaBotao, Topo, LarguraOpcao, AlturaBotao);
        Opcao->show();
        Topo += Opcao->height() + 2;
    }
    resize(width(), AlturaBase + PassoBotao * NaTela);
    OrdenaFoco();

    // Option panel between the spacer and the button bar, title centred.
    const int Largura = width() - 2 * MargemInterna;
    const int AlturaConteudo = height() - 2 * MargemInterna - FTopBar->height();
    Pnl_Options->setGeometry(0, Espacador, Largura, AlturaConteudo - Espacador - AlturaBarraBotoes);
    LBL_TITULO->move(qRound((Largura - LBL_TITULO->width()) / 2.0), 0);
    FPainelBotoes->resize(Largura, Topo);
    FRolagem->setGeometry(0, TopoPrimeiroBotao, Largura, PassoBotao * NaTela);
    FRolagem->verticalScrollBar()->setValue(0);
    PNL_BOTOES->setGeometry(0, AlturaConteudo - AlturaBarraBotoes, Largura, AlturaBarraBotoes);
    BtnVoltar->setGeometry(5, 6, 100, AlturaBotao);
    BtnSair->setGeometry(Largura - 105, 6, 100, AlturaBotao);
}

// Digits name coded entries; Enter takes the entry whose whole code was
// typed while longer codes began with it. Any other key goes on as the form
// treats it (a digit no code begins with, too: an entry's first character).
bool TManCaixaTefMenu::TeclaPressionada(QKeyEvent* Evento) {
    const Qt::KeyboardModifiers Modificadores = Evento->modifiers() & ~Qt::KeypadModifier;
    const QString Texto = Evento->text();
    if (Modificadores == Qt::NoModifier && Texto.size() == 1 && Texto.front().isDigit() &&
        DigitaCodigo(Texto.front())) {
        return true;
    }
    const bool Enter = Evento->key() == Qt::Key_Return || Evento->key() == Qt::Key_Enter;
    if (Enter && FPendente) {
        FPendente->click();
        return true;
    }
    FDigitado.clear();
    FPendente.clear();
    return TTPLModalDataForm::TeclaPressionada(Evento);
}

bool TManCaixaTefMenu::DigitaCodigo(QChar Digito) {
    const auto Comecam = [this](const QString& Prefixo) {
        std::vector<TNPushButton*> Achados;
        for (TNPushButton* Opcao : BotoesOpcao) {
            if (Opcao->isVisible() && Opcao->property(PropriedadeComCodigo).toBool() &&
                Opcao->property(PropriedadeResposta).toString().startsWith(Prefixo)) {
                Achados.push_back(Opcao);
            }
        }
        return Achados;
    };
    FDigitado += Digito;
    std::vector<TNPushButton*> Candidatos = Comecam(FDigitado);
    if (Candidatos.empty()) {
        FDigitado = Digito;
        Candidatos = Comecam(FDigitado);
    }
    FPendente.clear();
    if (Candidatos.empty()) {
        FDigitado.clear();
        return false;
    }
    for (TNPushButton* Opcao : Candidatos) {
        if (Opcao->property(PropriedadeResposta).toString() == FDigitado) {
            FPendente = Opcao;
        }
    }
    if (FPendente && Candidatos.size() == 1) {
        FPendente->click();
        return true;
    }
    (FPendente ? FPendente.data() : Candidatos.front())->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void TManCaixaTefMenu::BtnOp1Click(int Tag) {
    OpcaoEscolhida =
        BotoesOpcao[static_cast<size_t>(Tag - 1)]->property(PropriedadeResposta).toString();
    Continuacao = 0;
    accept();
}

void TManCaixaTefMenu::BtnSairClick() {
    OpcaoEscolhida = CodigosDialogo::CodigoAbandono;
    Continuacao = -1;
    accept();
}

void TManCaixaTefMenu::BtnVoltarClick() {
    OpcaoEscolhida = CodigosDialogo::CodigoVoltar;
    Continuacao = 1;
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
