#include "Caixa.h"

#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "MAN_CAIXA_TEF_QRCODE.h"
#include "MAN_CAIXA_TEF_VISUALIZA.h"
#include "MAN_CAIXA_VAREJO_MENU.h"
#include "Modais.h"
#include "NAlerta.h"
#include "NDialog.h"
#include "NFloatEdit.h"
#include "NPrintDialog.h"
#include "NPushButton.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

void Clica(QWidget* Controle) {
    QTest::mouseClick(Controle->window()->windowHandle(), Qt::LeftButton, {},
                      Controle->mapTo(Controle->window(), Controle->rect().center()));
}

TCaixa::TCaixa() {
    FRelogio.setInterval(20);
    QObject::connect(&FRelogio, &QTimer::timeout, this, [this] { Olha(); });
    FRelogio.start();
}

// The QR code window does not block: it is looked for among the windows.
void TCaixa::OlhaQRCode() {
    for (QWidget* Janela : QApplication::topLevelWidgets()) {
        auto* QRCode = qobject_cast<TManCaixaTefQRCode*>(Janela);
        if (QRCode == nullptr || !QRCode->isVisible() || FQRCode == QRCode) {
            continue;
        }
        FQRCode = QRCode;
        QRCodes.append(QStringLiteral("%1x%2")
                           .arg(QRCode->LBL_QRCODE->pixmap().width())
                           .arg(QRCode->LBL_QRCODE->pixmap().height()));
        if (AbandonaPix) {
            Clica(QRCode->BtnAbandonar);
        }
    }
}

void TCaixa::Olha() {
    OlhaQRCode();
    QWidget* Modal = QApplication::activeModalWidget();
    if (Modal == nullptr || !Modal->isVisible()) {
        FUltimo = nullptr;
        return;
    }
    if (FOcupado || Modal == FUltimo) {
        return;
    }
    FOcupado = true;
    FUltimo = Modal;
    Atende(Modal);
    // A dialog shown again (the same data collection) is a new question.
    if (FUltimo != nullptr && !FUltimo->isVisible()) {
        FUltimo = nullptr;
    }
    FOcupado = false;
}

void TCaixa::Atende(QWidget* Modal) {
    // The window system gives the keyboard to the dialog that opens.
    QApplication::setActiveWindow(Modal);
    QWidget* Foco = Modal->focusWidget() != nullptr ? Modal->focusWidget() : Modal;
    if (auto* Menu = qobject_cast<TManCaixaTefMenu*>(Modal)) {
        if (DuranteAVenda) {
            DuranteAVenda();
        }
        const Qt::Key Tecla = Opcoes.empty() ? Qt::Key_1 : Opcoes.front();
        if (!Opcoes.empty()) {
            Opcoes.pop_front();
        }
        QTest::keyClick(Menu->focusWidget() != nullptr ? Menu->focusWidget() : Menu, Tecla);
    } else if (qobject_cast<TManCaixaTefColeta*>(Modal) != nullptr) {
        Coleta(Modal);
    } else if (auto* Visualizador = qobject_cast<TManCaixaTefVisualiza*>(Modal)) {
        Visualizados.append(Visualizador->STR_TEXtO->toPlainText());
        Clica(Visualizador->BtnSair);
    } else if (auto* MenuTEF = qobject_cast<TManCaixaVarejoMenu*>(Modal)) {
        if (MenuTEF->Executando()) {
            // Back on top while its function finishes: not a question yet.
            FUltimo = nullptr;
            return;
        }
        const Qt::Key Tecla = Funcoes.empty() ? Qt::Key_Escape : Funcoes.front();
        if (!Funcoes.empty()) {
            Funcoes.pop_front();
        }
        // The function runs inside the key press.
        PressionaDepois(Foco, Tecla);
    } else if (auto* Impressao = qobject_cast<TFPrintDialog*>(Modal)) {
        Clica(Imprime ? Impressao->FPrintButton : Impressao->FCancelButton);
    } else if (qobject_cast<TNAlerta*>(Modal) != nullptr) {
        Mensagens.append(TextoDaMensagem(Modal).trimmed());
        QTest::keyClick(Foco, Qt::Key_Escape);
    } else if (qobject_cast<TDialog*>(Modal) != nullptr) {
        const QString Texto = TextoDaMensagem(Modal).trimmed();
        Mensagens.append(Texto);
        QString Botao = QStringLiteral("&Ok");
        if (Texto.startsWith(QStringLiteral("Confirma"))) {
            Botao = QStringLiteral("&Sim");
        } else if (Texto.contains(QStringLiteral("não foi impresso"))) {
            Botao = TentaDeNovo ? QStringLiteral("&Sim") : QStringLiteral("&Não");
            Imprime = Imprime || TentaDeNovo;
            TentaDeNovo = false;
        }
        ClicaBotao(Modal, Botao);
    }
}

// A key whose press opens further dialogs goes from the event loop, not from
// inside Atende, so that those dialogs are answered too.
void TCaixa::PressionaDepois(QWidget* Alvo, Qt::Key Tecla) {
    QTimer::singleShot(0, Alvo, [this, Alvo, Tecla] {
        QTest::keyClick(Alvo, Tecla);
        // Closed by the key: shown again, it is a new question.
        if (FUltimo != nullptr && !FUltimo->isVisible()) {
            FUltimo = nullptr;
        }
    });
}

void TCaixa::Coleta(QWidget* Modal) {
    auto* Dialogo = qobject_cast<TManCaixaTefColeta*>(Modal);
    QLineEdit* Campo = Dialogo->EdtColeta;
    QString Texto = QStringLiteral("123");
    if (Dialogo->TipoColeta == CodigosDialogo::ColetaSenha) {
        Campo = Dialogo->EDT_COLETA_SENHA;
        Texto = Senhas.empty() ? QStringLiteral("1234") : Senhas.front();
        if (!Senhas.empty()) {
            Senhas.pop_front();
        }
    } else if (Dialogo->TipoColeta == CodigosDialogo::ColetaValor) {
        Campo = Dialogo->EDTCOLETAVALOR;
        Texto = Valor;
    } else {
        const QString Titulo = Dialogo->LBL_TITULO->text();
        if (Titulo.contains(QStringLiteral("número do cartão"))) {
            Texto = Cartao;
        } else if (Titulo.contains(QStringLiteral("vencimento"))) {
            Texto = QStringLiteral("1228");
        } else if (Titulo.contains(QStringLiteral("DDMMAAAA"))) {
            Texto = QStringLiteral("08122026");
        }
    }
    Campo->setFocus();
    Campo->selectAll();
    QTest::keyClicks(Campo, Texto);
    // A refused value opens an alert inside the key press.
    PressionaDepois(Campo, Qt::Key_Return);
}
