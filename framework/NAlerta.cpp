#include "NAlerta.h"

#include "Erros.h"
#include "Estilo.h"
#include "TratadorErros.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int Enter = 13;
constexpr int Esc = 27;
constexpr int Espaco = 32;

bool EhTecla(int Tecla, const QKeyEvent* Evento) {
    switch (Tecla) {
    case Enter:
        return Evento->key() == Qt::Key_Return || Evento->key() == Qt::Key_Enter;
    case Espaco:
        return Evento->key() == Qt::Key_Space;
    default:
        return Evento->key() == Qt::Key_Escape;
    }
}

} // namespace

TNAlerta::TNAlerta(const QString& Mensagem, int TeclaFechamento, QWidget* Pai)
    : QDialog(Pai, Qt::Dialog | Qt::FramelessWindowHint), FTecla(TeclaResolvida(TeclaFechamento)) {
    setObjectName(QStringLiteral("TNAlerta"));
    setWindowTitle(QStringLiteral("Atenção"));
    setModal(true);
    QFrame* Moldura = Estilo::Moldura(this);

    auto* Cabecalho = new QLabel(QStringLiteral("Atenção"), Moldura);
    Cabecalho->setStyleSheet(Estilo::Cabecalho());
    QLabel* Texto = Estilo::RotuloMensagem(Mensagem, Moldura, 340);
    FLinha = new QLabel(LinhaFechamento(), Moldura);
    FLinha->setObjectName(QStringLiteral("LinhaFechamento"));
    FLinha->setAlignment(Qt::AlignCenter);

    auto* Corpo = new QVBoxLayout(Moldura);
    Corpo->setContentsMargins(2, 2, 2, 10);
    Corpo->addWidget(Cabecalho);
    Corpo->addWidget(Texto, 1);
    Corpo->addWidget(FLinha);

    FPisca = new QTimer(this);
    FPisca->setInterval(500);
    connect(FPisca, &QTimer::timeout, this, &TNAlerta::Pisca);
    Pisca();
}

int TNAlerta::TeclaResolvida(int TeclaFechamento) {
    return TeclaFechamento == Enter || TeclaFechamento == Espaco ? TeclaFechamento : Esc;
}

QString TNAlerta::LinhaFechamento() const {
    const QString Nome = FTecla == Enter    ? QStringLiteral("ENTER")
                         : FTecla == Espaco ? QStringLiteral("SPACE")
                                            : QStringLiteral("ESC");
    return QStringLiteral("Tecle %1 para fechar esta caixa de diálogo.").arg(Nome);
}

void TNAlerta::Pisca() {
    FLinha->setStyleSheet(
        FAceso
            ? QStringLiteral("background: transparent; color: rgb(200, 0, 0); font-weight: bold;")
            : QStringLiteral(
                  "background: transparent; color: rgb(31, 58, 104); font-weight: bold;"));
    FAceso = !FAceso;
}

void TNAlerta::keyPressEvent(QKeyEvent* Evento) {
    if (EhTecla(FTecla, Evento)) {
        accept();
    }
    // Every other key, including the dialog's usual Enter and Esc, is ignored.
}

void TNAlerta::reject() {
    // Only the closing key closes the alert.
}

void TNAlerta::showEvent(QShowEvent* Evento) {
    QDialog::showEvent(Evento);
    Estilo::Centraliza(this);
    FPisca->start();
}

void LevantaAlerta(const QString& Mensagem, QWidget* Campo, int TeclaFechamento) {
    QApplication::beep();
    QApplication::beep();
    auto* Alerta = new TNAlerta(Mensagem, TeclaFechamento);
    Alerta->exec();
    delete Alerta;
    DevolveFoco(Campo);
    ProcessaMensagensPendentes();
    throw EAbortoSilencioso();
}
