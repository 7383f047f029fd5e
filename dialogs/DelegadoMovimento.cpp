#include "DelegadoMovimento.h"

#include <QPainter>

void TDelegadoMovimento::paint(QPainter* Pintor, const QStyleOptionViewItem& Opcao,
                               const QModelIndex& Indice) const {
    constexpr int Margem = 4;
    const bool Escolhida = Opcao.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup Grupo =
        Opcao.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
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
}
