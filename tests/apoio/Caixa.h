#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

// The cashier in front of the station: answers every modal window that
// opens, as long as it lives, and writes down what the windows said.
class TCaixa : public QObject {
public:
    QString Cartao = QStringLiteral("4111111111111111");
    // Supervisor passwords typed, one per showing; "1234" when none is left.
    std::deque<QString> Senhas;
    // The amount typed in an amount collection.
    QString Valor = QStringLiteral("12,34");
    // Letters pressed on the TEF functions menu, one per showing; Esc closes it.
    std::deque<Qt::Key> Funcoes;
    // Keys pressed on the library's option menus, one per showing; "1" when
    // none is left.
    std::deque<Qt::Key> Opcoes;
    // Runs when an option menu opens, in the middle of a transaction.
    std::function<void()> DuranteAVenda;
    bool Imprime = true;
    // Answers "&Sim" to the first "Tentar novamente?" and prints then.
    bool TentaDeNovo = false;
    // Gives up from the PIX QR code's window as soon as it shows.
    bool AbandonaPix = false;
    // The QR code windows seen, with their footers.
    QStringList QRCodes;
    // Messages, questions and alerts, in order; texts shown in the viewer.
    QStringList Mensagens;
    QStringList Visualizados;

    TCaixa();

private:
    void Olha();
    void OlhaQRCode();
    void Atende(QWidget* Modal);
    void Coleta(QWidget* Modal);
    void PressionaDepois(QWidget* Alvo, Qt::Key Tecla);

    QTimer FRelogio;
    QPointer<QWidget> FUltimo;
    QPointer<QWidget> FQRCode;
    bool FOcupado = false;
};

// A click as the window system delivers it: through the window.
void Clica(QWidget* Controle);
