#pragma once

#include <QStyledItemDelegate>

// Paints a cell of the movement list as one line of text, elided at its
// right, in the row's selection colours, the current cell framed. The
// general delegate lays every cell out for an icon, a check box and word
// wrap the list never has, and that layout was most of the time the window
// took to open.
class TDelegadoMovimento : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* Pintor, const QStyleOptionViewItem& Opcao,
               const QModelIndex& Indice) const override;
};
