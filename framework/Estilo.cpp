#include "Estilo.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace Estilo {

QString Cabecalho() {
    return QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(52, 86, 146), "
        "stop:1 rgb(31, 58, 104)); color: white; font-weight: bold; padding: 4px 8px;");
}

QString PainelGradiente(const QString& NomeObjeto, bool Chanfrado) {
    return QStringLiteral("QFrame#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                          "stop:0 white, stop:1 rgb(202, 202, 230)); %2 }")
        .arg(NomeObjeto, Chanfrado ? QStringLiteral("border: 2px outset rgb(170, 170, 205);")
                                   : QStringLiteral("border: none;"));
}

QFrame* Moldura(QWidget* Janela) {
    auto* Quadro = new QFrame(Janela);
    Quadro->setObjectName(QStringLiteral("Moldura"));
    Quadro->setStyleSheet(PainelGradiente(QStringLiteral("Moldura"), true));
    auto* Externo = new QVBoxLayout(Janela);
    Externo->setContentsMargins(0, 0, 0, 0);
    Externo->addWidget(Quadro);
    return Quadro;
}

QLabel* RotuloMensagem(const QString& Texto, QWidget* Pai, int LarguraMinima) {
    auto* Rotulo = new QLabel(Texto, Pai);
    Rotulo->setObjectName(QStringLiteral("Mensagem"));
    Rotulo->setTextFormat(Qt::PlainText);
    Rotulo->setWordWrap(true);
    Rotulo->setAlignment(Qt::AlignCenter);
    Rotulo->setMinimumWidth(LarguraMinima);
    Rotulo->setStyleSheet(
        QStringLiteral("background: transparent; font-size: 11pt; padding: 12px;"));
    return Rotulo;
}

void Centraliza(QWidget* Janela) {
    const QScreen* Tela = Janela->screen();
    if (Tela == nullptr) {
        return;
    }
    const QRect Area = Tela->geometry();
    Janela->move(Area.center() - QPoint(Janela->width() / 2, Janela->height() / 2));
}

} // namespace Estilo
