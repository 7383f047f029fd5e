#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;

// The wait box: a header "Aguarde..." and one message line, no buttons,
// shown without blocking while the station does something long.
class TWaitDialog : public QDialog {
    Q_OBJECT
public:
    explicit TWaitDialog(QWidget* Pai = nullptr);
    void DefineTexto(const QString& Texto);
    QString Texto() const;

protected:
    void showEvent(QShowEvent* Evento) override;

private:
    QLabel* FTexto;
};

// Holds the one wait box: at most one exists, and closing it destroys it.
class TWait {
public:
    // Creates the box if none exists, puts Texto in it and shows it in front.
    static void Mostra(const QString& Texto);
    // Closes and destroys the box, if any.
    static void Fecha();
    static TWaitDialog* Caixa() { return FCaixa.data(); }

private:
    static inline QPointer<TWaitDialog> FCaixa;
};
