#include "NWaitDialog.h"

#include "Estilo.h"

#include <QLabel>
#include <QVBoxLayout>

TWaitDialog::TWaitDialog(QWidget* Pai)
    : QDialog(Pai, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TWaitDialog"));
    setWindowTitle(QStringLiteral("Aguarde..."));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* Moldura = new QFrame(this);
    Moldura->setObjectName(QStringLiteral("Moldura"));
    Moldura->setStyleSheet(Estilo::PainelGradiente(QStringLiteral("Moldura"), true));
    auto* Externo = new QVBoxLayout(this);
    Externo->setContentsMargins(0, 0, 0, 0);
    Externo->addWidget(Moldura);

    auto* Cabecalho = new QLabel(QStringLiteral("Aguarde..."), Moldura);
    Cabecalho->setObjectName(QStringLiteral("Titulo"));
    Cabecalho->setStyleSheet(Estilo::Cabecalho());
    FTexto = new QLabel(Moldura);
    FTexto->setObjectName(QStringLiteral("Texto"));
    FTexto->setTextFormat(Qt::PlainText);
    FTexto->setAlignment(Qt::AlignCenter);
    FTexto->setWordWrap(true);
    FTexto->setMinimumSize(360, 60);
    FTexto->setStyleSheet(
        QStringLiteral("background: transparent; font-size: 11pt; padding: 10px;"));

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
    FCaixa->raise();
}

void TWait::Fecha() {
    delete FCaixa.data();
}
