#include "ListaMovimento.h"

#include <QGlyphRun>
#include <QKeyEvent>
#include <QPainter>
#include <QRawFont>
#include <QScrollBar>
#include <QStyleOption>

#include <algorithm>
#include <array>

namespace {

constexpr int AlturaLinha = 22;
constexpr int Margem = 4; // between a cell's edge and its text
// The columns' widths in order; the last column takes what is left of the
// list's width, and a column added after these gets the narrowest.
constexpr std::array Larguras = {64, 86, 110, 80, 160, 72, 56, 80};
constexpr int LarguraMinima = 80;

int Colunas() {
    return static_cast<int>(ColunasMovimento().size());
}

int Alinhamento(int Coluna) {
    return Coluna == ColunaValorMovimento ? Qt::AlignRight | Qt::AlignVCenter
                                          : Qt::AlignLeft | Qt::AlignVCenter;
}

// A cell's text, one line in Area. Text the font draws glyph by glyph
// (every character in it, no wider than the cell) is placed straight from
// the glyphs' advances: shaping each cell through a text layout took most of
// the time the list spent to appear. Anything else takes that road, elided.
void DesenhaTexto(QPainter& Pintor, const QRawFont& Fonte, const QRect& Area, int Posicao,
                  const QString& Texto) {
    const QList<quint32> Glifos = Fonte.glyphIndexesForString(Texto);
    const QList<QPointF> Avancos = Fonte.advancesForGlyphIndexes(Glifos, QRawFont::KernedAdvances);
    QList<QPointF> Posicoes;
    Posicoes.reserve(Avancos.size());
    qreal Largura = 0;
    for (const QPointF& Avanco : Avancos) {
        Posicoes.append(QPointF(Largura, 0));
        Largura += Avanco.x();
    }
    if (Glifos.contains(0u) || Largura > Area.width()) {
        Pintor.drawText(Area, Posicao | Qt::TextSingleLine,
                        Pintor.fontMetrics().elidedText(Texto, Qt::ElideRight, Area.width()));
        return;
    }
    QGlyphRun Linha;
    Linha.setRawFont(Fonte);
    Linha.setGlyphIndexes(Glifos);
    Linha.setPositions(Posicoes);
    const qreal Esquerda =
        (Posicao & Qt::AlignRight) != 0 ? Area.right() + 1 - Largura : Area.left();
    const qreal Base =
        Area.top() + (Area.height() - Fonte.ascent() - Fonte.descent()) / 2 + Fonte.ascent();
    Pintor.drawGlyphRun(QPointF(Esquerda, Base), Linha);
}

} // namespace

TListaMovimento::TListaMovimento(QWidget* Pai) : QAbstractScrollArea(Pai) {
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMinimumWidth(LarguraDasFixas() + LarguraMinima + 2 * frameWidth() +
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
    verticalScrollBar()->setSingleStep(1);
}

void TListaMovimento::Define(const std::vector<TLinhaMovimento>* Linhas) {
    const bool HaviaAtual = FAtual >= 0;
    FLinhas = Linhas;
    FAtual = -1;
    verticalScrollBar()->setValue(0);
    AjustaRolagem();
    viewport()->update();
    if (HaviaAtual) {
        Q_EMIT AtualMudou(FAtual);
    }
}

int TListaMovimento::Quantidade() const {
    return FLinhas == nullptr ? 0 : static_cast<int>(FLinhas->size());
}

void TListaMovimento::DefineAtual(int Linha) {
    MudaAtual(Linha, true);
}

// Revela: scrolls the line wholly into sight. A click leaves the list where
// it is: a line scrolled under the pointer between the two clicks of a
// double click would be chosen in place of the one clicked.
void TListaMovimento::MudaAtual(int Linha, bool Revela) {
    const int Nova = Quantidade() == 0 ? -1 : std::clamp(Linha, 0, Quantidade() - 1);
    if (Nova >= 0 && Revela) {
        QScrollBar* Barra = verticalScrollBar();
        if (Nova < Barra->value()) {
            Barra->setValue(Nova);
        } else if (Nova >= Barra->value() + LinhasInteiras()) {
            Barra->setValue(Nova - LinhasInteiras() + 1);
        }
    }
    if (Nova != FAtual) {
        FAtual = Nova;
        viewport()->update();
        Q_EMIT AtualMudou(FAtual);
    }
}

// A header section's option, its text measured in the bold the titles are
// painted in.
QStyleOptionHeader TListaMovimento::OpcaoCabecalho() const {
    QStyleOptionHeader Opcao;
    Opcao.initFrom(this);
    Opcao.fontMetrics = QFontMetrics(FonteCabecalho());
    Opcao.state |= QStyle::State_Raised | QStyle::State_Horizontal;
    Opcao.orientation = Qt::Horizontal;
    Opcao.textAlignment = Qt::AlignCenter;
    return Opcao;
}

QFont TListaMovimento::FonteCabecalho() const {
    QFont Negrito = font();
    Negrito.setBold(true);
    return Negrito;
}

// As tall as a header view's section; measured again only after the font
// or the style changed.
int TListaMovimento::AlturaCabecalho() const {
    if (FAlturaCabecalho == 0) {
        QStyleOptionHeader Opcao = OpcaoCabecalho();
        Opcao.text = ColunasMovimento().front();
        FAlturaCabecalho =
            style()->sizeFromContents(QStyle::CT_HeaderSection, &Opcao, QSize(), this).height();
    }
    return FAlturaCabecalho;
}

void TListaMovimento::changeEvent(QEvent* Evento) {
    if (Evento->type() == QEvent::FontChange || Evento->type() == QEvent::StyleChange) {
        FAlturaCabecalho = 0;
        AjustaRolagem();
    }
    QAbstractScrollArea::changeEvent(Evento);
}

int TListaMovimento::LinhasInteiras() const {
    return std::max(1, (viewport()->height() - AlturaCabecalho()) / AlturaLinha);
}

int TListaMovimento::Primeira() const {
    return verticalScrollBar()->value();
}

int TListaMovimento::LinhaEm(const QPoint& Ponto) const {
    const int Topo = AlturaCabecalho();
    if (Ponto.y() < Topo) {
        return -1;
    }
    const int Linha = Primeira() + (Ponto.y() - Topo) / AlturaLinha;
    return Linha < Quantidade() ? Linha : -1;
}

int TListaMovimento::LarguraDaColuna(int Coluna) const {
    if (Coluna < Colunas() - 1) {
        return Coluna < static_cast<int>(Larguras.size()) ? Larguras[static_cast<size_t>(Coluna)]
                                                          : LarguraMinima;
    }
    return std::max(LarguraMinima, viewport()->width() - LarguraDasFixas());
}

int TListaMovimento::LarguraDasFixas() const {
    int Soma = 0;
    for (int Coluna = 0; Coluna < Colunas() - 1; ++Coluna) {
        Soma += LarguraDaColuna(Coluna);
    }
    return Soma;
}

void TListaMovimento::AjustaRolagem() {
    QScrollBar* Barra = verticalScrollBar();
    Barra->setPageStep(LinhasInteiras());
    Barra->setRange(0, std::max(0, Quantidade() - LinhasInteiras()));
    if (FAtual >= 0) {
        DefineAtual(FAtual); // still in sight after the list grew or shrank
    }
}

QRect TListaMovimento::RetanguloDaLinha(int Linha) const {
    return QRect(0, AlturaCabecalho() + (Linha - Primeira()) * AlturaLinha, LarguraTotal(),
                 AlturaLinha);
}

void TListaMovimento::paintEvent(QPaintEvent*) {
    QPainter Pintor(viewport());
    const QRawFont Fonte = QRawFont::fromFont(font());
    const int Ultima = std::min(Quantidade(), Primeira() + LinhasInteiras() + 1);
    for (int Linha = Primeira(); Linha < Ultima; ++Linha) {
        PintaLinha(Pintor, Fonte, Linha, RetanguloDaLinha(Linha).top());
    }
    PintaGrade(Pintor, RetanguloDaLinha(Primeira()).top(), RetanguloDaLinha(Ultima).top());
    if (hasFocus() && FAtual >= Primeira() && FAtual < Ultima) {
        PintaFoco(Pintor, RetanguloDaLinha(FAtual).top());
    }
    PintaCabecalho(Pintor);
}

void TListaMovimento::PintaCabecalho(QPainter& Pintor) const {
    Pintor.setFont(FonteCabecalho());
    const QStringList& Titulos = ColunasMovimento();
    QStyleOptionHeader Opcao = OpcaoCabecalho();
    for (int Coluna = 0, X = 0; Coluna < Colunas(); ++Coluna) {
        const int Largura = LarguraDaColuna(Coluna);
        Opcao.rect = QRect(X, 0, Largura, AlturaCabecalho());
        Opcao.section = Coluna;
        Opcao.text = Titulos[Coluna];
        Opcao.position = Coluna == 0               ? QStyleOptionHeader::Beginning
                         : Coluna == Colunas() - 1 ? QStyleOptionHeader::End
                                                   : QStyleOptionHeader::Middle;
        style()->drawControl(QStyle::CE_Header, &Opcao, &Pintor, this);
        X += Largura;
    }
    Pintor.setFont(font());
}

QPalette::ColorGroup TListaMovimento::GrupoDeCores() const {
    if (!isEnabled()) {
        return QPalette::Disabled;
    }
    return isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

int TListaMovimento::LarguraTotal() const {
    return LarguraDasFixas() + LarguraDaColuna(Colunas() - 1);
}

// A line: its cells' text, the current line in the selection's colours.
void TListaMovimento::PintaLinha(QPainter& Pintor, const QRawFont& Fonte, int Linha,
                                 int Topo) const {
    const bool Atual = Linha == FAtual;
    const QPalette::ColorGroup Grupo = GrupoDeCores();
    if (Atual) {
        Pintor.fillRect(0, Topo, LarguraTotal(), AlturaLinha,
                        palette().brush(Grupo, QPalette::Highlight));
    }
    Pintor.setPen(palette().color(Grupo, Atual ? QPalette::HighlightedText : QPalette::Text));
    const TLinhaMovimento& Dados = (*FLinhas)[static_cast<size_t>(Linha)];
    for (int Coluna = 0, X = 0; Coluna < Colunas(); X += LarguraDaColuna(Coluna), ++Coluna) {
        const QRect Area(X + Margem, Topo, LarguraDaColuna(Coluna) - 2 * Margem - 1,
                         AlturaLinha - 1);
        DesenhaTexto(Pintor, Fonte, Area, Alinhamento(Coluna), CelulaMovimento(Dados, Coluna));
    }
}

// The grid at the cells' right and bottom edges, from Topo down to Fim: a
// line a column and a line a row, each a one-pixel fill.
void TListaMovimento::PintaGrade(QPainter& Pintor, int Topo, int Fim) const {
    QStyleOption Opcao;
    Opcao.initFrom(this);
    const QColor Cor = QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &Opcao, this)));
    for (int Coluna = 0, X = 0; Coluna < Colunas(); ++Coluna) {
        X += LarguraDaColuna(Coluna);
        Pintor.fillRect(X - 1, Topo, 1, Fim - Topo, Cor);
    }
    for (int Y = Topo + AlturaLinha - 1; Y < Fim; Y += AlturaLinha) {
        Pintor.fillRect(0, Y, LarguraTotal(), 1, Cor);
    }
}

// The current line framed while the list has the focus (Enter and
// "Imprimir cópia" act on it): a line of the selection's colour, darker,
// around it. The style's focus frame is an antialiased rounded path, and
// that alone took a quarter of the list's painting.
void TListaMovimento::PintaFoco(QPainter& Pintor, int Topo) const {
    const QColor Cor = palette().color(GrupoDeCores(), QPalette::Highlight).darker(150);
    const int Largura = LarguraTotal();
    Pintor.fillRect(0, Topo, Largura, 1, Cor);
    Pintor.fillRect(0, Topo + AlturaLinha - 1, Largura, 1, Cor);
    Pintor.fillRect(0, Topo, 1, AlturaLinha, Cor);
    Pintor.fillRect(Largura - 1, Topo, 1, AlturaLinha, Cor);
}

void TListaMovimento::keyPressEvent(QKeyEvent* Evento) {
    switch (Evento->key()) {
    case Qt::Key_Up:
        DefineAtual(FAtual - 1);
        break;
    case Qt::Key_Down:
        DefineAtual(FAtual + 1);
        break;
    case Qt::Key_PageUp:
        DefineAtual(FAtual - LinhasInteiras());
        break;
    case Qt::Key_PageDown:
        DefineAtual(FAtual + LinhasInteiras());
        break;
    case Qt::Key_Home:
        DefineAtual(0);
        break;
    case Qt::Key_End:
        DefineAtual(Quantidade() - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (FAtual >= 0) {
            Q_EMIT Escolhida(FAtual);
        }
        break;
    default:
        QAbstractScrollArea::keyPressEvent(Evento);
        return;
    }
    Evento->accept();
}

void TListaMovimento::mousePressEvent(QMouseEvent* Evento) {
    const int Linha = LinhaEm(Evento->position().toPoint());
    if (Evento->button() == Qt::LeftButton && Linha >= 0) {
        MudaAtual(Linha, false);
        Evento->accept();
        return;
    }
    QAbstractScrollArea::mousePressEvent(Evento);
}

void TListaMovimento::mouseDoubleClickEvent(QMouseEvent* Evento) {
    const int Linha = LinhaEm(Evento->position().toPoint());
    if (Evento->button() == Qt::LeftButton && Linha >= 0) {
        MudaAtual(Linha, false);
        Q_EMIT Escolhida(Linha);
    }
}

void TListaMovimento::resizeEvent(QResizeEvent* Evento) {
    QAbstractScrollArea::resizeEvent(Evento);
    AjustaRolagem();
}

void TListaMovimento::scrollContentsBy(int, int) {
    viewport()->update();
}

void TListaMovimento::focusInEvent(QFocusEvent* Evento) {
    QAbstractScrollArea::focusInEvent(Evento);
    viewport()->update();
}

void TListaMovimento::focusOutEvent(QFocusEvent* Evento) {
    QAbstractScrollArea::focusOutEvent(Evento);
    viewport()->update();
}
