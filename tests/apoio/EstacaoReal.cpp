#include "EstacaoReal.h"

#include "ConfiguracaoEstacao.h"
#include "Diario.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "MAN_CAIXA_TEF_VISUALIZA.h"
#include "MAN_CAIXA_VAREJO_MENU.h"
#include "NPushButton.h"
#include "TelaPrincipal.h"

#include <QFile>
#include <QLocale>
#include <QTest>

#include <cups/cups.h>

namespace {

TBibliotecaSiTef& BibliotecaDe(std::unique_ptr<TCliSiTef>& CliSiTef,
                               TBibliotecaSiTef* Roteirizada) {
    if (Roteirizada != nullptr) {
        return *Roteirizada;
    }
    CliSiTef = std::make_unique<TCliSiTef>();
    return *CliSiTef;
}

} // namespace

TEstacaoReal::TPasta::TPasta() {
    qputenv("XDG_CONFIG_HOME", Caminho(QStringLiteral("config")).toLocal8Bit());
    qputenv("CLISITEF_SIM_DIARIO", Caminho(QStringLiteral("diario.jsonl")).toLocal8Bit());
    qunsetenv("CLISITEF_SIM_ROTEIRO");
    // libcups keeps the server it found first: CUPS_SERVER is read again.
    cupsSetServer(nullptr);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    DM_CAIXA_VAREJO = TDM_CAIXA_VAREJO();
}

TEstacaoReal::TEstacaoReal(TBibliotecaSiTef* Biblioteca, TInterfaceRelatorio* Interface)
    : Ambiente{BibliotecaDe(CliSiTef, Biblioteca), Operador, Livro},
      Modulo(Ambiente, Interface != nullptr ? Interface : &InterfaceQt) {
    DM_TEF = &Modulo;
}

TEstacaoReal::~TEstacaoReal() {
    Libera(ManCaixaVarejoMenu);
    Libera(ManCaixaTefMenu);
    Libera(ManCaixaTefColeta);
    Libera(ManCaixaTefVisualiza);
    DM_TEF = nullptr;
}

void TEstacaoReal::GravaConfiguracaoDemo() const {
    QFile Demo(QStringLiteral(TK_CONFIGURACAO_DEMO));
    QFile Configuracao(TConfiguracaoEstacao::Arquivo());
    if (!Demo.open(QIODevice::ReadOnly) || !Configuracao.open(QIODevice::WriteOnly) ||
        Configuracao.write(Demo.readAll()) < 0) {
        qFatal("the demonstration configuration could not be written");
    }
}

std::unique_ptr<TForm_Principal> TEstacaoReal::AbreJanela() {
    auto Janela = std::make_unique<TForm_Principal>(Ambiente);
    Janela->show();
    // Its buttons are held until the start after the first paint has ended.
    if (!QTest::qWaitFor([&] { return Janela->BtnIniciaTransacao->isEnabled(); })) {
        QTest::qFail("the main window did not end its TEF start", __FILE__, __LINE__);
    }
    return Janela;
}

QList<QJsonObject> TEstacaoReal::Chamadas(const char* Nome) const {
    return ::Chamadas(LeDiario(CaminhoDiario()), QString::fromLatin1(Nome));
}
