#include "ModeloMovimento.h"

void TModeloMovimento::Define(const std::vector<TLinhaMovimento>* Linhas) {
    beginResetModel();
    FLinhas = Linhas;
    endResetModel();
}

int TModeloMovimento::rowCount(const QModelIndex& Pai) const {
    return Pai.isValid() || FLinhas == nullptr ? 0 : static_cast<int>(FLinhas->size());
}

int TModeloMovimento::columnCount(const QModelIndex& Pai) const {
    return Pai.isValid() ? 0 : static_cast<int>(ColunasMovimento().size());
}

QVariant TModeloMovimento::data(const QModelIndex& Indice, int Papel) const {
    if (!checkIndex(Indice, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    switch (Papel) {
    case Qt::DisplayRole:
        return CelulaMovimento((*FLinhas)[static_cast<size_t>(Indice.row())], Indice.column());
    case Qt::TextAlignmentRole:
        return static_cast<int>(
            (Indice.column() == ColunaValorMovimento ? Qt::AlignRight : Qt::AlignLeft) |
            Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TModeloMovimento::headerData(int Secao, Qt::Orientation Orientacao, int Papel) const {
    if (Orientacao == Qt::Horizontal && Papel == Qt::DisplayRole) {
        return ColunasMovimento().value(Secao);
    }
    return QAbstractTableModel::headerData(Secao, Orientacao, Papel);
}
