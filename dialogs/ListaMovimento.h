#pragma once

#include "MovimentoTEF.h"

#include <QAbstractScrollArea>

#include <vector>

class QPainter;
class QStyleOptionHeader;
class QRawFont;

// The day's movement as "Movimento TEF" lists it: the columns' titles, then
// a line per transaction, one of them the current one, chosen whole, read
// only. The widget paints the lines in sight straight from the movement:
// a table view, with its header views, item model and per-cell delegate,
// cost more to open on a day than reading the day from the journal.
class TListaMovimento : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TListaMovimento(QWidget* Pai = nullptr);

    // Lists Linhas from now on (they outlive their listing); none when
    // null. No line is current until one is made so (AtualMudou says so
    // when one was).
    void Define(const std::vector<TLinhaMovimento>* Linhas);
    int Quantidade() const;
    // The current line's position; -1 with none.
    int Atual() const { return FAtual; }
    // Makes Linha current (kept within the list) and scrolls it into sight.
    void DefineAtual(int Linha);
    // Where Linha is painted, in the viewport (above or below it when the
    // line is scrolled out of sight).
    QRect RetanguloDaLinha(int Linha) const;

Q_SIGNALS:
    void AtualMudou(int Linha);
    // Enter, or a double click on a line.
    void Escolhida(int Linha);

protected:
    void paintEvent(QPaintEvent* Evento) override;
    void keyPressEvent(QKeyEvent* Evento) override;
    void mousePressEvent(QMouseEvent* Evento) override;
    void mouseDoubleClickEvent(QMouseEvent* Evento) override;
    void resizeEvent(QResizeEvent* Evento) override;
    void scrollContentsBy(int Dx, int Dy) override;
    void focusInEvent(QFocusEvent* Evento) override;
    void focusOutEvent(QFocusEvent* Evento) override;
    void changeEvent(QEvent* Evento) override;

private:
    QStyleOptionHeader OpcaoCabecalho() const;
    QFont FonteCabecalho() const;
    int AlturaCabecalho() const;
    int LinhasInteiras() const;
    int Primeira() const;
    int LinhaEm(const QPoint& Ponto) const;
    int LarguraDaColuna(int Coluna) const;
    int LarguraDasFixas() const;
    int LarguraTotal() const;
    QPalette::ColorGroup GrupoDeCores() const;
    void MudaAtual(int Linha, bool Revela);
    void AjustaRolagem();
    void PintaCabecalho(QPainter& Pintor) const;
    void PintaLinha(QPainter& Pintor, const QRawFont& Fonte, int Linha, int Topo) const;
    void PintaGrade(QPainter& Pintor, int Topo, int Fim) const;
    void PintaFoco(QPainter& Pintor, int Topo) const;

    const std::vector<TLinhaMovimento>* FLinhas = nullptr;
    int FAtual = -1;
    mutable int FAlturaCabecalho = 0;
};
