#include "DelegadoMovimento.h"

#include <QApplication>
#include <QPainter>

namespace {

QPalette::ColorGroup GrupoDeCores(const QStyleOptionViewItem& Opcao) {
    if (!Opcao.state.testFlag(QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return Opcao.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

// The current cell's frame, whether the focus came by keyboard or not (the
// style draws it only for the keyboard's): with no row selected it is the
// only mark of the row Enter and "Imprimir cópia" act on.
void DesenhaFoco(QPainter* Pintor, const QStyleOptionViewItem& Opcao, const QColor& Fundo) {
    QStyleOptionFocusRect Foco;
    Foco.QStyleOption::operator=(Opcao);
    Foco.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    Foco.backgroundColor = Fundo;
    const QWidget* Lista = Opcao.widget;
    (Lista != nullptr ? Lista->style() : QApplication::style())
        ->drawPrimitive(QStyle::PE_FrameFocusRect, &Foco, Pintor, Lista);
}

} // namespace

void TDelegadoMovimento::paint(QPainter* Pintor, const QStyleOptionViewItem& Opcao,
                               const QModelIndex& Indice) const {
    constexpr int Margem = 4;
    const bool Escolhida = Opcao.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup Grupo = GrupoDeCores(Opcao);
    if (Escolhida) {
        Pintor->fillRect(Opcao.rect, Opcao.palette.brush(Grupo, QPalette::Highlight));
    }
    const QRect Area = Opcao.rect.adjusted(Margem, 0, -Margem, 0);
    const QVariant Alinhamento = Indice.data(Qt::TextAlignmentRole);
    const int Posicao = Alinhamento.isValid() ? Alinhamento.toInt()
                                              : static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    Pintor->setPen(
        Opcao.palette.color(Grupo, Escolhida ? QPalette::HighlightedText : QPalette::Text));
    Pintor->drawText(
        Area, Posicao | Qt::TextSingleLine,
        Opcao.fontMetrics.elidedText(Indice.data().toString(), Qt::ElideRight, Area.width()));
    if (Opcao.state.testFlag(QStyle::State_HasFocus)) {
        DesenhaFoco(Pintor, Opcao,
                    Opcao.palette.color(Grupo, Escolhida ? QPalette::Highlight : QPalette::Base));
    }
}
