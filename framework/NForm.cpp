#include "NForm.h"

#include "NEdit.h"
#include "NPushButton.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QWindow>

namespace {

// Memos, grids and lists are the controls that scroll their own content,
// whatever class paints it; a scroll area holding other controls is not one.
bool EhMemoOuLista(const QWidget* Controle) {
    return qobject_cast<const QAbstractScrollArea*>(Controle) != nullptr &&
           qobject_cast<const QScrollArea*>(Controle) == nullptr;
}

// Enter, Down and Up navigate from edit boxes, closed combo boxes, page
// controls and push buttons; from memos, grids and lists only with Ctrl.
bool NavegaAPartirDe(const QWidget* Controle, bool ComCtrl) {
    if (EhMemoOuLista(Controle)) {
        return ComCtrl;
    }
    if (const auto* Combo = qobject_cast<const QComboBox*>(Controle)) {
        return Combo->view() == nullptr || !Combo->view()->isVisible();
    }
    return qobject_cast<const QLineEdit*>(Controle) != nullptr ||
           qobject_cast<const QAbstractButton*>(Controle) != nullptr ||
           qobject_cast<const QTabBar*>(Controle) != nullptr ||
           qobject_cast<const QTabWidget*>(Controle) != nullptr;
}

bool RecebeTexto(const QWidget* Controle) {
    if (const auto* Combo = qobject_cast<const QComboBox*>(Controle)) {
        return Combo->isEditable();
    }
    return qobject_cast<const QLineEdit*>(Controle) != nullptr || EhMemoOuLista(Controle);
}

bool CausaValidacao(const QObject* Controle) {
    const auto* Botao = qobject_cast<const TNPushButton*>(Controle);
    return Botao == nullptr || Botao->CausaValidacao;
}

} // namespace

TNForm::TNForm(QWidget* Pai) : QDialog(Pai) {
    // Key preview: the form filters its controls' events before they see them.
    qApp->installEventFilter(this);
}

bool TNForm::Pertence(const QObject* Objeto) const {
    const auto* Controle = qobject_cast<const QWidget*>(Objeto);
    return Controle != nullptr && (Controle == this || isAncestorOf(Controle));
}

bool TNForm::SaiDoCampoAtual() {
    auto* Campo = qobject_cast<TNEdit*>(QApplication::focusWidget());
    return Campo == nullptr || !Pertence(Campo) || Campo->ExecutaSaida();
}

bool TNForm::eventFilter(QObject* Objeto, QEvent* Evento) {
    // A click reaches the window before Qt moves the focus to the widget under
    // it: that is the moment to run the field's exit checks.
    if (Evento->type() == QEvent::MouseButtonPress && Objeto == windowHandle()) {
        return !CliquePodeMudarFoco(static_cast<QMouseEvent*>(Evento));
    }
    if (!Pertence(Objeto)) {
        return false;
    }
    switch (Evento->type()) {
    case QEvent::KeyPress:
        return TeclaPressionada(static_cast<QKeyEvent*>(Evento));
    case QEvent::Shortcut:
        return Objeto != QApplication::focusWidget() && CausaValidacao(Objeto) &&
               !SaiDoCampoAtual();
    default:
        return false;
    }
}

bool TNForm::CliquePodeMudarFoco(const QMouseEvent* Evento) {
    // The widget that will take the focus, found as Qt finds it.
    QWidget* Alvo = childAt(Evento->position().toPoint());
    while (Alvo != nullptr && !(Alvo->isEnabled() && (Alvo->focusPolicy() & Qt::ClickFocus))) {
        Alvo = Alvo->isWindow() ? nullptr : Alvo->parentWidget();
    }
    return Alvo == nullptr || Alvo == QApplication::focusWidget() || !CausaValidacao(Alvo) ||
           SaiDoCampoAtual();
}

bool TNForm::TeclaPressionada(QKeyEvent* Evento) {
    switch (Evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
    case Qt::Key_Up:
        return Navega(Evento);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return !SaiDoCampoAtual();
    default:
        return Acelerador(Evento);
    }
}

bool TNForm::Navega(QKeyEvent* Evento) {
    QWidget* Foco = QApplication::focusWidget();
    if (Foco == nullptr || !NavegaAPartirDe(Foco, Evento->modifiers() & Qt::ControlModifier)) {
        return false;
    }
    if (SaiDoCampoAtual()) {
        focusNextPrevChild(Evento->key() != Qt::Key_Up);
    }
    return true;
}

bool TNForm::Acelerador(QKeyEvent* Evento) {
    if (RecebeTexto(QApplication::focusWidget())) {
        return false;
    }
    TNPushButton* Botao = BotaoDoAcelerador(this, Evento);
    if (Botao == nullptr) {
        return false;
    }
    if (!Botao->CausaValidacao || SaiDoCampoAtual()) {
        Botao->setFocus(Qt::ShortcutFocusReason);
        Botao->click();
    }
    return true;
}
