// TefKimbro: the card-payment station.

#include "CliSiTef.h"
#include "CodigosDialogo.h"
#include "ConfiguracaoEstacao.h"
#include "DiarioTEF.h"
#include "Erros.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "InterfaceRelatorioQt.h"
#include "LinhaDeComando.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "MAN_CAIXA_TEF_VISUALIZA.h"
#include "NReport.h"
#include "OperadorTEFQt.h"
#include "TelaPrincipal.h"
#include "TravaPasta.h"
#include "Win1252.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool TemTela() {
    for (const char* Variavel : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* Valor = std::getenv(Variavel);
        if (Valor != nullptr && *Valor != '\0') {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QStringList Argumentos;
    for (int I = 0; I < argc; ++I) {
        Argumentos.append(QString::fromLocal8Bit(argv[I]));
    }
    const TOpcoes Opcoes = LeOpcoes(Argumentos);
    if (!Opcoes.Erro.isEmpty()) {
        std::fprintf(stderr, "%s\n%s", qPrintable(Opcoes.Erro), qPrintable(TextoAjuda()));
        return 64;
    }
    if (Opcoes.Ajuda || Opcoes.Versao) {
        std::fputs(qPrintable(Opcoes.Ajuda ? TextoAjuda() : TextoVersao()), stdout);
        return 0;
    }
    if (!TemTela()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral(
                                    "TefKimbro precisa de uma tela gráfica; numa máquina sem "
                                    "tela, execute-o sob o xvfb-run (por exemplo: xvfb-run -a %1).")
                                    .arg(Argumentos.value(0))));
        return 2;
    }
    QApplication Aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TefKimbro"));
    // The desktop matches windows to their menu entry by the name the station
    // was started by (X11 takes it as the window's instance name already;
    // Wayland needs it said): the demonstration's launcher starts it as
    // "tefkimbro-demo", so its windows get that entry and icon, not the store's.
    QGuiApplication::setDesktopFileName(QFileInfo(Argumentos.value(0)).fileName());
    // A Brazilian counter: without regional settings of its own (the C
    // locale), amounts are written as in Brazil ("1.234,56").
    if (QLocale::system().language() == QLocale::C) {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    }
    try {
        VerificaCodificacaoWin1252();
    } catch (const EErro& Erro) {
        std::fprintf(stderr, "%s\n", Erro.what());
        return 1;
    }
    if (const QString Erro = EntraNaPastaDeTrabalho(Opcoes); !Erro.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(Erro));
        return 1;
    }
    TOperadorTEFQt Operador;
    // Before any file or the library is touched.
    const TTravaPasta Trava;
    if (!Trava.Obtida()) {
        const QString Mensagem =
            Trava.Ocupada() ? QStringLiteral("TefKimbro já está em execução nesta pasta.")
                            : QStringLiteral("Não foi possível usar a pasta de trabalho %1: %2.")
                                  .arg(QDir::currentPath(), Trava.Erro());
        std::fprintf(stderr, "%s\n", qPrintable(Mensagem));
        using namespace CodigosDialogo;
        Operador.MsgDisplay(Mensagem, QStringLiteral("Atenção"), BotoesOk, IconeErro,
                            BotaoPadraoAutomatico);
        return Trava.Ocupada() ? 3 : 4;
    }

    DiarioTEF::Inicia(QDir::current(), TConfiguracaoEstacao::Le().DiasLogTEF);
    // The journal holds its file for the station's life: a second station
    // on the folder is refused here even when the lock file was deleted,
    // before it touches the library.
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    if (Livro.OcupadoPorOutro()) {
        const QString Mensagem = Livro.Falha();
        std::fprintf(stderr, "%s\n", qPrintable(Mensagem));
        using namespace CodigosDialogo;
        Operador.MsgDisplay(Mensagem, QStringLiteral("Atenção"), BotoesOk, IconeErro,
                            BotaoPadraoAutomatico);
        return 3;
    }
    RemoveSpoolsDeixados();
    TCliSiTef CliSiTef;
    TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
    TInterfaceRelatorioQt InterfaceRelatorio;

    Form_Principal = new TForm_Principal(Ambiente);
    auto ModuloTEF = std::make_unique<TDM_TEF>(Ambiente, &InterfaceRelatorio);
    DM_TEF = ModuloTEF.get();
    Form_Principal->show();

    const int Resultado = QApplication::exec();

    Libera(ManCaixaTefMenu);
    Libera(ManCaixaTefVisualiza);
    Libera(ManCaixaTefColeta);
    Libera(Form_Principal);
    DM_TEF = nullptr;
    SenhaSupervisor.clear();
    ValorColetado.clear();
    DiarioTEF::Encerra();
    return Resultado;
}
