#include "NPushButton.h"

TNPushButton::TNPushButton(const QString& Legenda, QWidget* Pai) : QPushButton(Legenda, Pai) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(26);
}

QChar TNPushButton::Acelerador() const {
    const QString Legenda = text();
    for (qsizetype I = 0; I + 1 < Legenda.size(); ++I) {
        if (Legenda[I] == u'&') {
            if (Legenda[I + 1] != u'&') {
                return Legenda[I + 1].toUpper();
            }
            ++I;
        }
    }
    return QChar();
}
