#pragma once

#include "MovimentoTEF.h"

#include <QAbstractTableModel>

#include <vector>

// The day's movement as an item model, for the "Movimento TEF" list and for
// whoever reads it through the accessibility interface: a row per line, a
// column per entry of ColunasMovimento(), each cell read from the line when
// asked, never copied. Read only.
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
