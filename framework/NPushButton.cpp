#include "NPushButton.h"

#include "TratadorErros.h"

#include <QKeyEvent>

TNPushButton::TNPushButton(const QString& Legenda, QWidget* Pai) : QPushButton(Legenda, Pai) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(26);
}

TNPushButton* TNPushButton::Cria(QWidget* Pai, const QString& Nome, const QString& Legenda,
                                 std::function<void()> AoClicar, bool CausaValidacao) {
    auto* Botao = new TNPushButton(Legenda, Pai);
    Botao->setObjectName(Nome);
    Botao->CausaValidacao = CausaValidacao;
    connect(Botao, &QPushButton::clicked, Botao, Protegido(std::move(AoClicar)));
    return Botao;
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

TNPushButton* BotaoDoAcelerador(const QWidget* Raiz, const QKeyEvent* Evento) {
    const Qt::KeyboardModifiers Modificadores = Evento->modifiers() & ~Qt::KeypadModifier;
    if (Evento->text().size() != 1 ||
        (Modificadores != Qt::NoModifier && Modificadores != Qt::ShiftModifier)) {
        return nullptr;
    }
    const QChar Tecla = Evento->text().front().toUpper();
    for (TNPushButton* Botao : Raiz->findChildren<TNPushButton*>()) {
        if (Botao->isVisible() && Botao->isEnabled() && Botao->Acelerador() == Tecla) {
            return Botao;
        }
    }
    return nullptr;
}
