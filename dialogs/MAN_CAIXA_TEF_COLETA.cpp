#include "MAN_CAIXA_TEF_COLETA.h"

#include "CodigosDialogo.h"
#include "Estilo.h"
#include "NAlerta.h"
#include "NFloatEdit.h"
#include "NPushButton.h"
#include "TratadorErros.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QScreen>

using namespace CodigosDialogo;

QPointer<TManCaixaTefColeta> ManCaixaTefColeta;
QString ValorColetado;
QString SenhaSupervisor;

namespace {

constexpr int Esc = 27;
constexpr int AlturaTitulo = 32;
constexpr int AlturaPainel = 40;
constexpr int AlturaCampo = 24;
constexpr int PixelsPorCaractere = 10;
constexpr int FolgaDoFormulario = 50;

QString AlinhaADireita(const QString& Texto, int Largura, QChar Preenchimento) {
    return Texto.trimmed().rightJustified(Largura, Preenchimento, false);
}

} // namespace

QString RespostaCheque(const QString& Compensacao, const QString& Banco, const QString& Agencia,
                       const QString& C1, const QString& Conta, const QString& C2,
                       const QString& NumeroCheque, const QString& C3) {
    return AlinhaADireita(Compensacao, 3, u'0') + AlinhaADireita(Banco, 3, u'0') +
           AlinhaADireita(Agencia, 4, u'0') + C1 + AlinhaADireita(Conta, 10, u' ') + C2 +
           AlinhaADireita(NumeroCheque, 6, u'0') + C3;
}

TManCaixaTefColeta::TManCaixaTefColeta(QWidget* Pai) : TTPLModalDataForm(Pai) {
    setObjectName(QStringLiteral("ManCaixaTefColeta"));
    setWindowTitle(QStringLiteral("Coleta de Dados"));
    TelaCheia = false;

    PNL_TITULO = NovoPainel("PNL_TITULO");
    LBL_TITULO = new QLabel(PNL_TITULO);
    LBL_TITULO->setObjectName(QStringLiteral("LBL_TITULO"));
    LBL_TITULO->setAlignment(Qt::AlignCenter);
    LBL_TITULO->setWordWrap(true);
    QFont Titulo(QStringLiteral("Arial"));
    Titulo.setBold(true);
    LBL_TITULO->setFont(Titulo);

    PNL_Coleta = NovoPainel("PNL_Coleta");
    EdtColeta = NovoCampo(PNL_Coleta, 0, 0);
    EdtColeta->setObjectName(QStringLiteral("EdtColeta"));
    EdtColeta->OnValidate = [this](QWidget*) { EdtColetaValidate(); };

    Pnl_coletaValor = NovoPainel("Pnl_coletaValor");
    EDTCOLETAVALOR = new TNFloatEdit(Pnl_coletaValor);
    EDTCOLETAVALOR->setObjectName(QStringLiteral("EDTCOLETAVALOR"));
    EDTCOLETAVALOR->setFont(EdtColeta->font());
    EDTCOLETAVALOR->OnBeforeExit = [this](QWidget* S, bool& V) { TPLBeforeExit(S, V); };
    EDTCOLETAVALOR->OnValidate = [this](QWidget*) { EDTCOLETAVALORValidate(); };

    Pnl_Coleta_cheque = NovoPainel("Pnl_Coleta_cheque");
    MontaCheque();

    PNL_SENHA = NovoPainel("PNL_SENHA");
    EDT_COLETA_SENHA = NovoCampo(PNL_SENHA, 10, 0);
    EDT_COLETA_SENHA->setObjectName(QStringLiteral("EDT_COLETA_SENHA"));
    EDT_COLETA_SENHA->setEchoMode(QLineEdit::Password);
    EDT_COLETA_SENHA->setToolTip(QStringLiteral("Digite a senha de acesso."));
    EDT_COLETA_SENHA->OnValidate = [this](QWidget*) { EDT_COLETA_SENHAValidate(); };

    PNL_BOTOES = NovoPainel("PNL_BOTOES");
    BtnVoltar = TNPushButton::Cria(
        PNL_BOTOES, QStringLiteral("BtnVoltar"), QStringLiteral("       &Voltar"),
        [this] { BtnVoltarClick(); }, false);
    BtnSair = TNPushButton::Cria(
        PNL_BOTOES, QStringLiteral("BtnSair"), QStringLiteral("  &Abandonar"),
        [this] { BtnSairClick(); }, false);

    resize(LarguraInicial, AlturaInicial);
}

QFrame* TManCaixaTefColeta::NovoPainel(const char* Nome) {
    auto* Painel = new QFrame(Conteudo());
    Painel->setObjectName(QString::fromLatin1(Nome));
    return Painel;
}

TNEdit* TManCaixaTefColeta::NovoCampo(QWidget* Painel, int Tamanho, int Largura) {
    auto* Campo = new TNEdit(Painel);
    QFont Fonte(QStringLiteral("Courier New"));
    Fonte.setPixelSize(13);
    Campo->setFont(Fonte);
    if (Tamanho > 0) {
        Campo->setMaxLength(Tamanho);
    }
    if (Largura > 0) {
        Campo->setFixedWidth(Largura);
    }
    Campo->OnBeforeExit = [this](QWidget* S, bool& V) { TPLBeforeExit(S, V); };
    return Campo;
}

void TManCaixaTefColeta::MontaCheque() {
    struct TCampoCheque {
        TNEdit** Campo;
        const char* Nome;
        int Tamanho;
        const char* Dica;
    };
    const TCampoCheque Campos[] = {{&EDT_COMPENSACAO, "EDT_COMPENSACAO", 3, "Comp."},
                                   {&EDT_Banco, "EDT_Banco", 3, "Banco"},
                                   {&EDT_AGENCIA, "EDT_AGENCIA", 4, "Agência"},
                                   {&EDT_C1, "EDT_C1", 1, "C1"},
                                   {&EDT_Conta, "EDT_Conta", 10, "Conta"},
                                   {&EDT_C2, "EDT_C2", 1, "C2"},
                                   {&EDT_NUM_CHEQUE, "EDT_NUM_CHEQUE", 10, "Cheque"},
                                   {&EDT_C3, "EDT_C3", 1, "C3"}};
    // A row that shares the panel's width by the fields' lengths, so that
    // every field stays inside the dialog, the last check digit included.
    auto* Linha = new QHBoxLayout(Pnl_Coleta_cheque);
    Linha->setContentsMargins(6, (AlturaPainel - AlturaCampo) / 2, 6, 0);
    Linha->setSpacing(3);
    for (const TCampoCheque& Definicao : Campos) {
        TNEdit* Campo = NovoCampo(Pnl_Coleta_cheque, Definicao.Tamanho, 0);
        Campo->setObjectName(QString::fromLatin1(Definicao.Nome));
        if (Definicao.Tamanho >= 10) {
            Campo->setPlaceholderText(QString::fromUtf8(Definicao.Dica));
        }
        Campo->setToolTip(QString::fromUtf8(Definicao.Dica));
        Campo->setMinimumWidth(16);
        Campo->setFixedHeight(AlturaCampo);
        Campo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        Campo->OnValidate = [this](QWidget* Sender) { TPLForceValidateEmpty(Sender); };
        Linha->addWidget(Campo, 2 + Definicao.Tamanho, Qt::AlignTop);
        *Definicao.Campo = Campo;
    }
    EDT_C3->OnValidate = [this](QWidget*) { EDT_C3Validate(); };
}

void TManCaixaTefColeta::showEvent(QShowEvent* Evento) {
    // "0,00" with the station's decimal separator.
    EDTCOLETAVALOR->setText(QLocale().toString(0.0, 'f', 2));
    AjustaLarguraDoTexto();
    TTPLModalDataForm::showEvent(Evento);
    // The panels are placed at once; no pending message is let through here,
    // so nothing typed can reach the dialog before it is ready.
    PosicionaPaineis();
    // The masked kind is the text field typed as a password is.
    EdtColeta->setEchoMode(TipoColeta == ColetaMascarada ? QLineEdit::Password : QLineEdit::Normal);
    QWidget* Primeiro = TipoColeta == ColetaTexto || TipoColeta == ColetaMascarada
                            ? static_cast<QWidget*>(EdtColeta)
                        : TipoColeta == ColetaValor  ? static_cast<QWidget*>(EDTCOLETAVALOR)
                        : TipoColeta == ColetaCheque ? static_cast<QWidget*>(EDT_COMPENSACAO)
                                                     : static_cast<QWidget*>(EDT_COLETA_SENHA);
    Primeiro->setFocus();
}

// The text field takes 10 pixels per character of the maximum length, and the
// form widens to hold it (never narrows). A length from the library that is
// negative or absurd must not make a field of negative width or a form wider
// than the screen: both are clamped; the length rules stay as they are.
void TManCaixaTefColeta::AjustaLarguraDoTexto() {
    EdtColeta->setMaxLength(std::clamp(TamanhoMaximo, 0, 32767));
    EdtColeta->clear();
    const QScreen* Tela = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const int LarguraTela = Tela != nullptr ? Tela->geometry().width() : 1024;
    const int LarguraCampo = std::clamp(PixelsPorCaractere * std::clamp(TamanhoMaximo, 0, 10000), 0,
                                        LarguraTela - FolgaDoFormulario - 2 * MargemInterna);
    EdtColeta->setFixedWidth(LarguraCampo);
    if (LarguraCampo > width() - FolgaDoFormulario) {
        resize(LarguraCampo + FolgaDoFormulario, height());
    }
}

void TManCaixaTefColeta::PosicionaPaineis() {
    const int Largura = width() - 2 * MargemInterna;
    const int AlturaConteudo = height() - 2 * MargemInterna - FTopBar->height();
    PNL_TITULO->setGeometry(0, 0, Largura, AlturaTitulo);
    LBL_TITULO->setGeometry(4, 0, Largura - 8, AlturaTitulo);
    const std::pair<QFrame*, std::int32_t> Paineis[] = {{PNL_Coleta, ColetaTexto},
                                                        {Pnl_coletaValor, ColetaValor},
                                                        {Pnl_Coleta_cheque, ColetaCheque},
                                                        {PNL_SENHA, ColetaSenha}};
    for (const auto& [Painel, Tipo] : Paineis) {
        Painel->setGeometry(0, AlturaTitulo, Largura, AlturaPainel);
        Painel->setVisible(Tipo == (TipoColeta == ColetaMascarada ? ColetaTexto : TipoColeta));
    }
    const int Esquerda = qRound((PNL_Coleta->width() - EdtColeta->width()) / 2.0);
    const int Topo = (AlturaPainel - AlturaCampo) / 2;
    EdtColeta->setGeometry(Esquerda, Topo, EdtColeta->width(), AlturaCampo);
    EDTCOLETAVALOR->setGeometry(Esquerda, Topo, std::max(EdtColeta->width(), 120), AlturaCampo);
    EDT_COLETA_SENHA->setGeometry(Esquerda, Topo, std::max(EdtColeta->width(), 120), AlturaCampo);
    const int TopoBotoes = AlturaTitulo + AlturaPainel;
    PNL_BOTOES->setGeometry(0, TopoBotoes, Largura, std::max(AlturaConteudo - TopoBotoes, 30));
    BtnVoltar->setGeometry(6, 4, 110, 25);
    BtnSair->setGeometry(Largura - 116, 4, 110, 25);
}

bool TManCaixaTefColeta::TeclaPressionada(QKeyEvent* Evento) {
    // The station has no check reader: only digits, Enter and Backspace reach
    // the compensation field.
    if (QApplication::focusWidget() == EDT_COMPENSACAO && !Evento->text().isEmpty() &&
        Evento->text().front().isPrint() && !Evento->text().front().isDigit()) {
        return true;
    }
    return TTPLModalDataForm::TeclaPressionada(Evento);
}

void TManCaixaTefColeta::EdtColetaValidate() {
    const QString Texto = EdtColeta->text();
    if (Texto.size() < TamanhoMinimo || Texto.size() > TamanhoMaximo) {
        LevantaAlerta(QStringLiteral("Dado inválido."), EdtColeta, Esc);
    }
    if (TamanhoMinimo > 0) {
        VerificaObrigatorio(EdtColeta);
    }
    ValorColetado = Texto;
    accept();
}

void TManCaixaTefColeta::EDTCOLETAVALORValidate() {
    VerificaNaoNegativo(EDTCOLETAVALOR);
    if (ExigeValor || LBL_TITULO->text().toUpper().contains(QStringLiteral("SACADO"))) {
        VerificaMaiorQueZero(EDTCOLETAVALOR);
    }
    ValorColetado = EDTCOLETAVALOR->text();
    accept();
}

// The answer is built only from eight filled fields: Up and the wrapping
// focus can reach this one with others never checked.
void TManCaixaTefColeta::EDT_C3Validate() {
    for (TNEdit* Campo : {EDT_COMPENSACAO, EDT_Banco, EDT_AGENCIA, EDT_C1, EDT_Conta, EDT_C2,
                          EDT_NUM_CHEQUE, EDT_C3}) {
        VerificaObrigatorio(Campo);
    }
    ValorColetado = RespostaCheque(EDT_COMPENSACAO->text(), EDT_Banco->text(), EDT_AGENCIA->text(),
                                   EDT_C1->text(), EDT_Conta->text(), EDT_C2->text(),
                                   EDT_NUM_CHEQUE->text(), EDT_C3->text());
    accept();
}

void TManCaixaTefColeta::EDT_COLETA_SENHAValidate() {
    const QString Senha = EDT_COLETA_SENHA->text();
    if (Senha.size() < TamanhoMinimo || Senha.size() > TamanhoMaximo) {
        LevantaAlerta(QStringLiteral("Senha inválida."), EDT_COLETA_SENHA, Esc);
    }
    if (Senha != SenhaSupervisor) {
        LevantaAlerta(QStringLiteral("Senha não confere."), EDT_COLETA_SENHA, Esc);
    }
    ValorColetado = Senha;
    accept();
}

void TManCaixaTefColeta::BtnSairClick() {
    CodigoSaida = CodigoAbandono;
    ValorColetado = QStringLiteral(" ");
    accept();
}

void TManCaixaTefColeta::BtnVoltarClick() {
    CodigoSaida = CodigoVoltar;
    accept();
}

// Esc abandons in every field, as "&Abandonar" does: closing with no exit
// code would make the loops send a stale value as if it were confirmed. In
// the password field it also empties the field.
// Any way of closing other than the buttons acts as "&Abandonar": otherwise
// the loops would send the previous value to the library as an answer.
void TManCaixaTefColeta::reject() {
    BtnSairClick();
}

void TManCaixaTefColeta::EscPressionado() {
    if (QApplication::focusWidget() == EDT_COLETA_SENHA) {
        EDT_COLETA_SENHA->clear();
    }
    BtnSairClick();
}
