#pragma once

#include "MovimentoTEF.h"

#include <QAbstractTableModel>

#include <vector>

// The day's lines as the "Movimento TEF" list shows them: each cell read
// from the movement when it is painted, not copied into an item of its own.
class TModeloMovimento : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Lists Linhas from now on (they outlive their listing); none when null.
    void Define(const std::vector<TLinhaMovimento>* Linhas);

    int rowCount(const QModelIndex& Pai = QModelIndex()) const override;
    int columnCount(const QModelIndex& Pai = QModelIndex()) const override;
    QVariant data(const QModelIndex& Indice, int Papel = Qt::DisplayRole) const override;
    QVariant headerData(int Secao, Qt::Orientation Orientacao,
                        int Papel = Qt::DisplayRole) const override;

private:
    const std::vector<TLinhaMovimento>* FLinhas = nullptr;
};
