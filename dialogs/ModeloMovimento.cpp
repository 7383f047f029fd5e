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
    if (!Indice.isValid() || Indice.row() >= rowCount()) {
        return {};
    }
    if (Papel == Qt::DisplayRole) {
        return CelulaMovimento((*FLinhas)[static_cast<size_t>(Indice.row())], Indice.column());
    }
    if (Papel == Qt::TextAlignmentRole && Indice.column() == ColunaValorMovimento) {
        return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant TModeloMovimento::headerData(int Secao, Qt::Orientation Orientacao, int Papel) const {
    if (Orientacao == Qt::Horizontal && Papel == Qt::DisplayRole) {
        return ColunasMovimento().value(Secao);
    }
    return QAbstractTableModel::headerData(Secao, Orientacao, Papel);
}
