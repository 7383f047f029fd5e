#include "MAN_CAIXA_TEF_CABECALHO.h"

#include "Estilo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TManCaixaTefCabecalho::TManCaixaTefCabecalho(QWidget* Pai)
    : QDialog(Pai, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("ManCaixaTefCabecalho"));
    setWindowTitle(QStringLiteral("Informações da transação"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    LBL_CABECALHO = new QLabel(this);
    LBL_CABECALHO->setObjectName(QStringLiteral("LBL_CABECALHO"));
    LBL_CABECALHO->setAlignment(Qt::AlignCenter);
    LBL_CABECALHO->setWordWrap(true);
    LBL_CABECALHO->setStyleSheet(Estilo::Cabecalho());
    auto* Coluna = new QVBoxLayout(this);
    Coluna->setContentsMargins(0, 0, 0, 0);
    Coluna->addWidget(LBL_CABECALHO);
}

void TManCaixaTefCabecalho::DefineTexto(const QString& Texto) {
    LBL_CABECALHO->setText(Texto.trimmed());
    const QScreen* Tela = QGuiApplication::primaryScreen();
    const QRect Area = Tela != nullptr ? Tela->availableGeometry() : QRect(0, 0, 1024, 768);
    setFixedWidth(Area.width() / 2);
    adjustSize();
    move(Area.center().x() - width() / 2, Area.top());
}
