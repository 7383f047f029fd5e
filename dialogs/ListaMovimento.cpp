#include "ListaMovimento.h"

#include "ModeloMovimento.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

TListaMovimento::TListaMovimento(QWidget* Pai)
    : QTableView(Pai), FModelo(new TModeloMovimento(this)) {
    setModel(FModelo);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setTabKeyNavigation(false); // Tab goes on to the date, as from any control
    setWordWrap(false);         // one line a row, elided
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    // Only the weight is the header's own: its size follows the list's font.
    QFont Negrito;
    Negrito.setBold(true);
    horizontalHeader()->setFont(Negrito);
    AjustaAlturaDasLinhas();
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& Atual) { Q_EMIT AtualMudou(Atual.row()); });
}

// The widths follow each day's text: a day read while the list waited
// hidden may have had none.
void TListaMovimento::Define(const std::vector<TLinhaMovimento>* Linhas) {
    FModelo->Define(Linhas);
    // Set, though to none: the table makes its first row current as it
    // takes the focus when none was ever set.
    setCurrentIndex({});
    resizeColumnsToContents();
}

int TListaMovimento::Quantidade() const {
    return FModelo->rowCount();
}

void TListaMovimento::DefineAtual(int Linha) {
    setCurrentIndex(NaLinha(Linha));
}

// Linha kept within the list, in the current column.
QModelIndex TListaMovimento::NaLinha(int Linha) const {
    if (Quantidade() == 0) {
        return {};
    }
    return FModelo->index(std::clamp(Linha, 0, Quantidade() - 1),
                          std::max(0, currentIndex().column()));
}

int TListaMovimento::LinhasInteiras() const {
    return std::max(1, viewport()->height() / verticalHeader()->defaultSectionSize());
}

// A page is the rows wholly in sight, and Home and End go to the first and
// last row: the table's own keys go by the viewport's pixels, and Home and
// End along the row.
QModelIndex TListaMovimento::moveCursor(CursorAction Acao, Qt::KeyboardModifiers Modificadores) {
    switch (Acao) {
    case MoveHome:
        return NaLinha(0);
    case MoveEnd:
        return NaLinha(Quantidade() - 1);
    case MovePageUp:
        return NaLinha(Atual() - LinhasInteiras());
    case MovePageDown:
        return NaLinha(Atual() + LinhasInteiras());
    default:
        return QTableView::moveCursor(Acao, Modificadores);
    }
}

// Enter is the list's own: the table would pass it on to the window, whose
// default button it would press. Any other key leaves the current row in
// sight, also one that could not move it (Up on the first row) after the
// list was scrolled away from it.
void TListaMovimento::keyPressEvent(QKeyEvent* Evento) {
    if (Evento->key() != Qt::Key_Return && Evento->key() != Qt::Key_Enter) {
        QTableView::keyPressEvent(Evento);
        scrollTo(currentIndex());
        return;
    }
    if (Atual() >= 0) {
        Q_EMIT Escolhida(Atual());
    }
    Evento->accept();
}

// Only a double click chooses: a single one never prints, whatever the
// desktop says about activating items.
void TListaMovimento::mouseDoubleClickEvent(QMouseEvent* Evento) {
    QTableView::mouseDoubleClickEvent(Evento);
    const QModelIndex Indice = indexAt(Evento->position().toPoint());
    if (Evento->button() == Qt::LeftButton && Indice.isValid()) {
        Q_EMIT Escolhida(Indice.row());
    }
}

void TListaMovimento::changeEvent(QEvent* Evento) {
    QTableView::changeEvent(Evento);
    if (Evento->type() == QEvent::FontChange) {
        AjustaAlturaDasLinhas();
    }
}

// A row a line of the list's font with a little room: the style's default
// row is sized for icons and check boxes the list never has.
void TListaMovimento::AjustaAlturaDasLinhas() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}
