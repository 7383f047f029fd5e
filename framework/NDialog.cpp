#include "NDialog.h"

#include "CodigosDialogo.h"
#include "Estilo.h"
#include "NPushButton.h"
#include "TratadorErros.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace CodigosDialogo;

namespace {

struct TBotao {
    const char* Legenda;
    std::uint8_t Codigo;
};

QList<TBotao> BotoesDoConjunto(std::uint8_t Botoes) {
    switch (Botoes) {
    case BotoesOkCancelar:
        return {{"&Ok", RespOk}, {"&Cancelar", RespCancelar}};
    case BotoesSimNao:
        return {{"&Sim", RespSim}, {"&Não", RespNao}};
    case BotoesSimNaoCancelar:
        return {{"&Sim", RespSim}, {"&Não", RespNao}, {"&Cancelar", RespCancelar}};
    default:
        return {{"&Ok", RespOk}};
    }
}

QStyle::StandardPixmap Figura(std::uint8_t Icone) {
    switch (Icone) {
    case IconeErro:
        return QStyle::SP_MessageBoxCritical;
    case IconeQuestao:
        return QStyle::SP_MessageBoxQuestion;
    case 3:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

TDialog::TDialog(QWidget* Pai) : QDialog(Pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TDialog"));
    setModal(true);
    QFrame* Moldura = Estilo::Moldura(this);

    auto* Cabecalho = new QWidget(Moldura);
    Cabecalho->setStyleSheet(Estilo::Cabecalho());
    Cabecalho->setAttribute(Qt::WA_StyledBackground);
    auto* LinhaCabecalho = new QHBoxLayout(Cabecalho);
    LinhaCabecalho->setContentsMargins(6, 4, 6, 4);
    FIcone = new QLabel(Cabecalho);
    FIcone->setStyleSheet(QStringLiteral("background: transparent;"));
    FTitulo = new QLabel(Cabecalho);
    FTitulo->setObjectName(QStringLiteral("Titulo"));
    FTitulo->setStyleSheet(QStringLiteral("background: transparent; padding: 0;"));
    LinhaCabecalho->addWidget(FIcone);
    LinhaCabecalho->addWidget(FTitulo, 1);

    FMensagem = Estilo::RotuloMensagem(QString(), Moldura, 320);
    FMensagem->setMaximumWidth(560);

    FBotoes = new QWidget(Moldura);
    auto* LinhaBotoes = new QHBoxLayout(FBotoes);
    LinhaBotoes->setContentsMargins(8, 0, 8, 10);
    LinhaBotoes->addStretch();

    auto* Corpo = new QVBoxLayout(Moldura);
    Corpo->setContentsMargins(2, 2, 2, 2);
    Corpo->setSpacing(0);
    Corpo->addWidget(Cabecalho);
    Corpo->addWidget(FMensagem, 1);
    Corpo->addWidget(FBotoes);
}

// What the operator was told, one line each, for support and for the
// end-to-end runs that read it instead of pixels.
Q_LOGGING_CATEGORY(lcDialogo, "tefkimbro.dialogo", QtWarningMsg)

std::uint8_t TDialog::IconeResolvido(std::uint8_t Botoes, std::uint8_t Icone) {
    if (Icone != IconeAutomatico) {
        return Icone;
    }
    return Botoes == BotoesOk ? IconeInformacao : IconeQuestao;
}

std::uint8_t TDialog::PadraoResolvido(std::uint8_t Botoes, std::uint8_t BotaoPadrao) {
    if (BotaoPadrao != BotaoPadraoAutomatico) {
        return BotaoPadrao;
    }
    switch (Botoes) {
    case BotoesOk:
        return RespOk;
    case BotoesOkCancelar:
        return RespCancelar;
    default:
        return RespNao;
    }
}

QPushButton* TDialog::NovoBotao(const QString& Legenda, std::uint8_t Codigo) {
    auto* Botao = new TNPushButton(Legenda, FBotoes);
    Botao->setMinimumWidth(90);
    Botao->setAutoDefault(true);
    connect(Botao, &QPushButton::clicked, this, [this, Codigo] {
        FResposta = Codigo;
        accept();
    });
    FBotoes->layout()->addWidget(Botao);
    return Botao;
}

void TDialog::Configura(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                        std::uint8_t Icone, std::uint8_t BotaoPadrao) {
    setWindowTitle(Titulo);
    FTitulo->setText(Titulo);
    FMensagem->setText(Mensagem);
    const int Lado = style()->pixelMetric(QStyle::PM_SmallIconSize) + 4;
    FIcone->setPixmap(
        style()->standardIcon(Figura(IconeResolvido(Botoes, Icone))).pixmap(Lado, Lado));

    const std::uint8_t Padrao = PadraoResolvido(Botoes, BotaoPadrao);
    for (const TBotao& Definicao : BotoesDoConjunto(Botoes)) {
        QPushButton* Botao = NovoBotao(QString::fromUtf8(Definicao.Legenda), Definicao.Codigo);
        if (Definicao.Codigo == Padrao) {
            Botao->setDefault(true);
            Botao->setFocus();
        }
    }
    static_cast<QHBoxLayout*>(FBotoes->layout())->addStretch();
}

// The bare letter presses its button, as on every form of the framework.
void TDialog::keyPressEvent(QKeyEvent* Evento) {
    if (TNPushButton* Botao = BotaoDoAcelerador(this, Evento)) {
        Botao->click();
        return;
    }
    QDialog::keyPressEvent(Evento);
}

void TDialog::showEvent(QShowEvent* Evento) {
    QDialog::showEvent(Evento);
    Estilo::Centraliza(this);
}

std::uint8_t TDialog::Executa(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                              std::uint8_t Icone, std::uint8_t BotaoPadrao) {
    auto* Dialogo = new TDialog();
    Dialogo->Configura(Mensagem, Titulo, Botoes, Icone, BotaoPadrao);
    QApplication::beep();
    qCInfo(lcDialogo).noquote() << QStringLiteral("message shown: %1 | %2")
                                       .arg(Titulo, QString(Mensagem).replace(
                                                        u'\n', QStringLiteral("\\n")));
    Dialogo->exec();
    const std::uint8_t Resposta = Dialogo->Resposta();
    delete Dialogo;
    ProcessaMensagensPendentes();
    return Resposta;
}
