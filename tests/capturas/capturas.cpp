// Shows the station's windows one by one on the real display (run it under
// Xvfb) and saves a PNG of each into the folder given as argument, so a person
// can look at them.
#include "CodigosDialogo.h"
#include "NAlerta.h"
#include "NDialog.h"
#include "NWaitDialog.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

void Espera(int Milissegundos) {
    QEventLoop Laco;
    QTimer::singleShot(Milissegundos, &Laco, &QEventLoop::quit);
    Laco.exec();
}

void Captura(QWidget* Janela, const QString& Arquivo) {
    Janela->show();
    Janela->raise();
    Espera(300);
    const QRect Area = Janela->frameGeometry().adjusted(-16, -16, 16, 16);
    const QPixmap Imagem =
        Janela->screen()->grabWindow(0, Area.x(), Area.y(), Area.width(), Area.height());
    if (!Imagem.save(Arquivo)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(Arquivo));
    }
    Janela->hide();
}

} // namespace

int main(int argc, char** argv) {
    QApplication Aplicacao(argc, argv);
    const QDir Saida(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("capturas"));
    QDir().mkpath(Saida.path());

    const char* Mensagens[] = {" Transação aprovada.", " Deseja imprimir o comprovante?",
                               " Confirma o valor de R$ 12,34?",
                               " Cupom TEF não foi impresso. Tentar novamente?"};
    const char* Titulos[] = {"Atenção", "Responda", "Responda", "Responda"};
    for (std::uint8_t Botoes = 0; Botoes < 4; ++Botoes) {
        TDialog Dialogo;
        Dialogo.Configura(QString::fromUtf8(Mensagens[Botoes]), QString::fromUtf8(Titulos[Botoes]),
                          Botoes, CodigosDialogo::IconeAutomatico,
                          CodigosDialogo::BotaoPadraoAutomatico);
        Captura(&Dialogo, Saida.filePath(QStringLiteral("mensagem-botoes-%1.png").arg(Botoes)));
    }

    TWait::Mostra(QStringLiteral("Testando comunicação Tef..."));
    Captura(TWait::Caixa(), Saida.filePath(QStringLiteral("aguarde.png")));
    TWait::Fecha();

    TNAlerta Alerta(QStringLiteral("Dado inválido."), 13);
    Captura(&Alerta, Saida.filePath(QStringLiteral("alerta.png")));
    return 0;
}
