#pragma once

#include "MovimentoTEF.h"

#include <QTableView>

#include <vector>

class TModeloMovimento;

// The day's movement as "Movimento TEF" lists it: a table over the
// movement's item model, a row per transaction, chosen whole, read only,
// one of them the current one. Its columns are the movement's, each as wide
// as its widest text and resizable by the cashier.
class TListaMovimento : public QTableView {
    Q_OBJECT
public:
    explicit TListaMovimento(QWidget* Pai = nullptr);

    // Lists Linhas from now on (they outlive their listing); none when
    // null. No row is current until one is made so.
    void Define(const std::vector<TLinhaMovimento>* Linhas);
    int Quantidade() const;
    // The current row; -1 with none.
    int Atual() const { return currentIndex().row(); }
    // Makes Linha current (kept within the list) and scrolls it into sight.
    void DefineAtual(int Linha);

Q_SIGNALS:
    void AtualMudou(int Linha);
    // Enter, or a double click on a row.
    void Escolhida(int Linha);

protected:
    QModelIndex moveCursor(CursorAction Acao, Qt::KeyboardModifiers Modificadores) override;
    void keyPressEvent(QKeyEvent* Evento) override;
    void mouseDoubleClickEvent(QMouseEvent* Evento) override;
    void changeEvent(QEvent* Evento) override;

private:
    QModelIndex NaLinha(int Linha) const;
    int LinhasInteiras() const;
    void AjustaAlturaDasLinhas();

    TModeloMovimento* FModelo;
};
