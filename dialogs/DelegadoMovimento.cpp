#include "DelegadoMovimento.h"

#include <QApplication>
#include <QPainter>

void TDelegadoMovimento::paint(QPainter* Pintor, const QStyleOptionViewItem& Opcao,
                               const QModelIndex& Indice) const {
    constexpr int Margem = 4;
    const bool Escolhida = Opcao.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup Grupo = !Opcao.state.testFlag(QStyle::State_Enabled)
                                           ? QPalette::Disabled
                                       : Opcao.state.testFlag(QStyle::State_Active)
                                           ? QPalette::Active
                                           : QPalette::Inactive;
    if (Escolhida) {
        Pintor->fillRect(Opcao.rect, Opcao.palette.brush(Grupo, QPalette::Highlight));
    }
    const QRect Area = Opcao.rect.adjusted(Margem, 0, -Margem, 0);
    const QVariant Alinhamento = Indice.data(Qt::TextAlignmentRole);
    const int Posicao = Alinhamento.isValid() ? Alinhamento.toInt()
                                              : static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    Pintor->setPen(
        Opcao.palette.color(Grupo, Escolhida ? QPalette::HighlightedText : QPalette::Text));
    Pintor->drawText(Area, Posicao | Qt::TextSingleLine,
                     Opcao.fontMetrics.elidedText(Indice.data().toString(), Qt::ElideRight,
                                                  Area.width()));
    // The current cell keeps its mark when its row is not selected: Enter
    // and "Imprimir cópia" act on it.
    if (Opcao.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect Foco;
        Foco.QStyleOption::operator=(Opcao);
        Foco.backgroundColor =
            Opcao.palette.color(Grupo, Escolhida ? QPalette::Highlight : QPalette::Base);
        const QWidget* Lista = Opcao.widget;
        (Lista != nullptr ? Lista->style() : QApplication::style())
            ->drawPrimitive(QStyle::PE_FrameFocusRect, &Foco, Pintor, Lista);
    }
}
