#include "Modais.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

struct TRespostaModal::Estado {
    QTimer Relogio;
    QElapsedTimer Tempo;
    QByteArray Fechado; // the class of a dialog closed when the time ran out
};

TRespostaModal::TRespostaModal(std::function<void(QWidget*)> Acao, int LimiteMs, QWidget* Ignorar)
    : TRespostaModal(std::move(Acao), LimiteMs,
                     [Ignorar](QWidget* Dialogo) { return Dialogo != Ignorar; }) {}

TRespostaModal::TRespostaModal(std::function<void(QWidget*)> Acao, int LimiteMs,
                               std::function<bool(QWidget*)> Aceita)
    : FEstado(new Estado) {
    FEstado->Tempo.start();
    FEstado->Relogio.setInterval(10);
    QObject::connect(&FEstado->Relogio, &QTimer::timeout, [this, Acao, LimiteMs, Aceita] {
        QWidget* Modal = QApplication::activeModalWidget();
        // Keys reach a dialog's mnemonics only once it is the active window;
        // with the main window up, that comes a moment after it is shown.
        if (Modal != nullptr && (!Aceita || Aceita(Modal)) && Modal->isVisible() &&
            Modal->isActiveWindow() && !FRespondeu) {
            FRespondeu = true;
            FEstado->Relogio.stop();
            Acao(Modal);
            return;
        }
        if (FEstado->Tempo.elapsed() > LimiteMs) {
            FEstado->Relogio.stop();
            // A dialog left waiting fails the test; it is closed as the
            // window system closes it, so the test ends instead of hanging.
            if (Modal != nullptr) {
                FEstado->Fechado = Modal->metaObject()->className();
                Modal->close();
            }
        }
    });
    FEstado->Relogio.start();
}

TRespostaModal::~TRespostaModal() {
    const QByteArray Fechado = FEstado->Fechado;
    delete FEstado;
    if (!Fechado.isEmpty()) {
        QTest::qFail(
            QByteArray("a modal " + Fechado + " was left unanswered and closed").constData(),
            __FILE__, __LINE__);
    }
}

QString TextoDaMensagem(QWidget* Dialogo) {
    const auto* Rotulo = Dialogo->findChild<QLabel*>(QStringLiteral("Mensagem"));
    return Rotulo != nullptr ? Rotulo->text() : QString();
}

void ClicaBotao(QWidget* Dialogo, const QString& Legenda) {
    for (QAbstractButton* Botao : Dialogo->findChildren<QAbstractButton*>()) {
        if (Botao->text() == Legenda) {
            QTest::mouseClick(Botao, Qt::LeftButton);
            return;
        }
    }
    Dialogo->close();
}

int JanelasRestantes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return static_cast<int>(QApplication::topLevelWidgets().size());
}
