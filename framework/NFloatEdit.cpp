#include "NFloatEdit.h"

#include "Erros.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>

namespace {

QChar PrimeiroCaractere(const QString& Texto, QChar Padrao) {
    return Texto.isEmpty() ? Padrao : Texto.front();
}

} // namespace

TNFloatEdit::TNFloatEdit(QWidget* Pai)
    : TNEdit(Pai), FEntrada(PrimeiroCaractere(QLocale().decimalPoint(), u','),
                            PrimeiroCaractere(QLocale().groupSeparator(), u'.')) {
    setMaxLength(40);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TNFloatEdit::SetBaseSize(int Tamanho) {
    if (Tamanho < 1 || Tamanho > 16) {
        throw EErro(QStringLiteral("Invalid base size."));
    }
    FEntrada.BaseSize = Tamanho;
}

void TNFloatEdit::SetDecimalSize(int Tamanho) {
    if (Tamanho < 1 || Tamanho > 8) {
        throw EErro(QStringLiteral("Invalid decimal size."));
    }
    FEntrada.DecimalSize = Tamanho;
}

Currency TNFloatEdit::Valor() const {
    const QLocale Local;
    return Currency::DeTexto(text(), PrimeiroCaractere(Local.decimalPoint(), u','),
                             PrimeiroCaractere(Local.groupSeparator(), u'.'))
        .value_or(Currency());
}

TEntradaValor::Estado TNFloatEdit::EstadoAtual() const {
    TEntradaValor::Estado Estado{text(), cursorPosition(), cursorPosition(), cursorPosition()};
    if (hasSelectedText()) {
        Estado.InicioSelecao = selectionStart();
        Estado.FimSelecao = selectionEnd();
    }
    return Estado;
}

void TNFloatEdit::Aplica(const TEntradaValor::Estado& Estado) {
    setText(Estado.Texto.left(maxLength()));
    setCursorPosition(std::min(Estado.Cursor, static_cast<int>(text().size())));
}

void TNFloatEdit::DigitaTexto(const QString& Texto) {
    TEntradaValor::Estado Estado = EstadoAtual();
    for (QChar Caractere : Texto) {
        FEntrada.Digita(Estado, Caractere);
    }
    if (Estado.Texto.size() <= maxLength()) {
        Aplica(Estado);
    }
}

void TNFloatEdit::keyPressEvent(QKeyEvent* Evento) {
    if (Evento->key() == Qt::Key_Backspace || Evento->key() == Qt::Key_Delete) {
        TEntradaValor::Estado Estado = EstadoAtual();
        if (FEntrada.ApagaSeparador(Estado, Evento->key() == Qt::Key_Backspace)) {
            Aplica(Estado);
        } else {
            TNEdit::keyPressEvent(Evento);
        }
        return;
    }
    if (Evento->matches(QKeySequence::Paste)) {
        DigitaTexto(QGuiApplication::clipboard()->text());
        return;
    }
    // The keypad's decimal key sends "." or "," by the keyboard layout; in an
    // amount it always means the decimal separator of the regional settings.
    if ((Evento->modifiers() & Qt::KeypadModifier) &&
        (Evento->key() == Qt::Key_Period || Evento->key() == Qt::Key_Comma)) {
        DigitaTexto(PrimeiroCaractere(QLocale().decimalPoint(), u','));
        return;
    }
    const bool Comando =
        Evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!Comando && !Evento->text().isEmpty() && Evento->text().front().isPrint()) {
        DigitaTexto(Evento->text());
        return;
    }
    TNEdit::keyPressEvent(Evento);
}

void TNFloatEdit::focusInEvent(QFocusEvent* Evento) {
    const QString SemMilhar = FEntrada.ParaEdicao(text());
    if (SemMilhar != text()) {
        setText(SemMilhar);
    }
    TNEdit::focusInEvent(Evento);
}

void TNFloatEdit::PreparaSaida() {
    setText(FEntrada.ParaExibicao(text(), FThousandDot));
}
