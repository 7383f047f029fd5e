#include "NWaitDialog.h"

#include "Estilo.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

// Not always on top: on a desktop with a window manager it would cover the
// menus and collections that the cashier must answer while it shows.
TWaitDialog::TWaitDialog(QWidget* Pai) : QDialog(Pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TWaitDialog"));
    setWindowTitle(QStringLiteral("Aguarde..."));
    setAttribute(Qt::WA_DeleteOnClose);
    QFrame* Moldura = Estilo::Moldura(this);

    auto* Cabecalho = new QLabel(QStringLiteral("Aguarde..."), Moldura);
    Cabecalho->setObjectName(QStringLiteral("Titulo"));
    Cabecalho->setStyleSheet(Estilo::Cabecalho());
    FTexto = Estilo::RotuloMensagem(QString(), Moldura, 360);
    FTexto->setObjectName(QStringLiteral("Texto"));

    auto* Corpo = new QVBoxLayout(Moldura);
    Corpo->setContentsMargins(2, 2, 2, 2);
    Corpo->setSpacing(0);
    Corpo->addWidget(Cabecalho);
    Corpo->addWidget(FTexto, 1);
}

void TWaitDialog::DefineTexto(const QString& Texto) {
    FTexto->setText(Texto);
}

QString TWaitDialog::Texto() const {
    return FTexto->text();
}

void TWaitDialog::showEvent(QShowEvent* Evento) {
    QDialog::showEvent(Evento);
    Estilo::Centraliza(this);
}

void TWait::Mostra(const QString& Texto) {
    if (!FCaixa) {
        FCaixa = new TWaitDialog();
    }
    FCaixa->DefineTexto(Texto);
    if (!FCaixa->isVisible()) {
        FCaixa->show();
    }
    // In front of the station, never of a dialog that waits for the cashier.
    if (QApplication::activeModalWidget() == nullptr) {
        FCaixa->raise();
    }
}

void TWait::Fecha() {
    delete FCaixa.data();
}
