// The TEF functions menu on real widgets: enabling at opening, the
// accelerators, the dialogs each button makes present and releases, also
// when the loop fails, and no second function while one runs.
#include "BibliotecaRoteirizada.h"
#include "Erros.h"
#include "EstacaoReal.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "InterfaceRelatorioRoteirizada.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "MAN_CAIXA_TEF_VISUALIZA.h"
#include "MAN_CAIXA_VAREJO_MENU.h"
#include "Modais.h"
#include "NPushButton.h"

#include <QLabel>
#include <QTest>

namespace {

using Passo = TBibliotecaRoteirizada::Passo;

QList<TNPushButton*> Botoes(TManCaixaVarejoMenu* Menu) {
    return {Menu->BtnCancelTEF,         Menu->BtnReimpressao,   Menu->BtnPreAutorizacao,
            Menu->BtnCapPreAutorizacao, Menu->BtnTestComuniTEF, Menu->BtnAdministrativoTEF};
}

QList<bool> Habilitados(TManCaixaVarejoMenu* Menu) {
    QList<bool> Estados;
    for (TNPushButton* Botao : Botoes(Menu)) {
        Estados.append(Botao->isEnabled());
    }
    return Estados;
}

} // namespace

class TesteMenuTEF : public QObject {
    Q_OBJECT

    std::unique_ptr<TBibliotecaRoteirizada> Biblioteca;
    TInterfaceRelatorioRoteirizada Interface;
    std::unique_ptr<TEstacaoReal> Estacao;
    int ParaFrente = 0;

    // The menu shown (not modally, so the test goes on) with StatusTEF as given.
    void AbreMenu(std::int32_t Status) {
        DM_CAIXA_VAREJO.StatusTEF = Status;
        TornaPresente(ManCaixaVarejoMenu);
        ManCaixaVarejoMenu->TrazParaFrente = [this] { ++ParaFrente; };
        ManCaixaVarejoMenu->show();
        QVERIFY(QTest::qWaitForWindowExposed(ManCaixaVarejoMenu));
    }

private Q_SLOTS:
    void init() {
        Biblioteca = std::make_unique<TBibliotecaRoteirizada>();
        Estacao = std::make_unique<TEstacaoReal>(Biblioteca.get(), &Interface);
        ParaFrente = 0;
    }

    void cleanup() {
        Estacao.reset();
        QCOMPARE(JanelasRestantes(), 0);
    }

    void JanelaEBotoes() {
        AbreMenu(0);
        QCOMPARE(ManCaixaVarejoMenu->windowTitle(), QStringLiteral("Caixa de Varejo (Menu)"));
        QVERIFY(ManCaixaVarejoMenu->FTopBar->isVisible());
        QCOMPARE(ManCaixaVarejoMenu->size(), QSize(300, 250));
        QStringList Legendas;
        for (TNPushButton* Botao : Botoes(ManCaixaVarejoMenu)) {
            Legendas.append(Botao->text());
            QVERIFY(ManCaixaVarejoMenu->rect().contains(
                QRect(Botao->mapTo(ManCaixaVarejoMenu, QPoint()), Botao->size())));
        }
        QCOMPARE(Legendas,
                 (QStringList{"&A ) Cancelamento", QStringLiteral("&B ) Reimpressão Cupom TEF"),
                              QStringLiteral("&C ) Pre-Autorização"),
                              QStringLiteral("&D ) Captura Pré-Autorização"),
                              QStringLiteral("&E ) Testar Comunicação"), "&F ) Administrativo"}));
        QCOMPARE(Habilitados(ManCaixaVarejoMenu),
                 (QList<bool>{true, true, true, true, true, true}));
    }

    // The functions stay as the menu opened: a test from the open menu
    // changes nothing on screen until it opens again.
    void SoOTesteSemTEFEAteReabrir() {
        AbreMenu(-5);
        QCOMPARE(Habilitados(ManCaixaVarejoMenu),
                 (QList<bool>{false, false, false, false, true, false}));
        Biblioteca->Passos = {Passo{0, 0, 0, 0, 0, {}}};
        QTest::keyClick(ManCaixaVarejoMenu, Qt::Key_E);
        QCOMPARE(Biblioteca->Inicios.size(), size_t(1));
        QCOMPARE(Biblioteca->Inicios.front().Funcao, 111);
        QCOMPARE(DM_CAIXA_VAREJO.StatusTEF, 0);
        QCOMPARE(ParaFrente, 1);
        QVERIFY(!ManCaixaVarejoMenu->BtnCancelTEF->isEnabled());
        // A disabled button's letter does nothing.
        QTest::keyClick(ManCaixaVarejoMenu, Qt::Key_A);
        QCOMPARE(Biblioteca->Inicios.size(), size_t(1));
        ManCaixaVarejoMenu->hide();
        ManCaixaVarejoMenu->show();
        QCOMPARE(Habilitados(ManCaixaVarejoMenu),
                 (QList<bool>{true, true, true, true, true, true}));
    }

    void CadaBotaoAbreSuaFuncao() {
        AbreMenu(0);
        const std::pair<Qt::Key, std::int32_t> Funcoes[] = {{Qt::Key_A, 200},
                                                            {Qt::Key_B, 112},
                                                            {Qt::Key_C, 115},
                                                            {Qt::Key_D, 116},
                                                            {Qt::Key_F, 110}};
        for (const auto& [Tecla, Funcao] : Funcoes) {
            bool ExigeValor = false;
            bool ComVisualizador = false;
            Biblioteca->AoContinuar = [&] {
                ExigeValor = ManCaixaTefColeta && ManCaixaTefColeta->ExigeValor;
                ComVisualizador = !ManCaixaTefVisualiza.isNull();
                QVERIFY(ManCaixaTefMenu);
            };
            Biblioteca->Passos = {Passo{0, 0, 0, 0, 0, {}}};
            QTest::keyClick(ManCaixaVarejoMenu, Tecla);
            QCOMPARE(Biblioteca->Inicios.back().Funcao, Funcao);
            QCOMPARE(ExigeValor, Funcao == 200 || Funcao == 115 || Funcao == 116);
            QCOMPARE(ComVisualizador, Funcao == 110);
            QVERIFY(ManCaixaTefMenu.isNull());
            QVERIFY(ManCaixaTefColeta.isNull());
            QVERIFY(ManCaixaTefVisualiza.isNull());
        }
        QCOMPARE(Biblioteca->Inicios.size(), size_t(5));
        QCOMPARE(ParaFrente, 2); // cancellation and the administrative menu
    }

    void MenuDeOpcoesExistenteReusadoELiberado() {
        AbreMenu(0);
        TornaPresente(ManCaixaTefMenu);
        const TManCaixaTefMenu* Anterior = ManCaixaTefMenu.data();
        const TManCaixaTefMenu* Durante = nullptr;
        Biblioteca->AoContinuar = [&] { Durante = ManCaixaTefMenu.data(); };
        Biblioteca->Passos = {Passo{0, 0, 0, 0, 0, {}}};
        ManCaixaVarejoMenu->BtnAdministrativoTEFClick();
        QCOMPARE(Durante, Anterior);
        QVERIFY(ManCaixaTefMenu.isNull());
    }

    void FalhaDoLacoAindaLiberaTudo() {
        AbreMenu(0);
        for (TNPushButton* Botao : Botoes(ManCaixaVarejoMenu)) {
            if (Botao == ManCaixaVarejoMenu->BtnTestComuniTEF) {
                continue;
            }
            Biblioteca->AoContinuar = [] { throw EErro(QStringLiteral("falha da biblioteca")); };
            Biblioteca->Passos = {Passo{10000, 1, -1, 0, 0, "Aguarde"}};
            QString Mensagem;
            TRespostaModal Erro([&](QWidget* Dialogo) {
                Mensagem = TextoDaMensagem(Dialogo);
                ClicaBotao(Dialogo, QStringLiteral("&Ok"));
            });
            Botao->click();
            QCOMPARE(Mensagem.trimmed(), QStringLiteral("falha da biblioteca"));
            QVERIFY(ManCaixaTefMenu.isNull());
            QVERIFY(ManCaixaTefColeta.isNull());
            QVERIFY(ManCaixaTefVisualiza.isNull());
            QVERIFY(!ManCaixaVarejoMenu->Executando());
        }
        QCOMPARE(ParaFrente, 2);
    }

    // While a function runs no other starts and the menu does not close.
    void SemReentradaNemFechamento() {
        AbreMenu(0);
        Biblioteca->AoContinuar = [&] {
            QTest::keyClick(ManCaixaVarejoMenu, Qt::Key_B);
            QTest::keyClick(ManCaixaVarejoMenu, Qt::Key_Escape);
            ManCaixaVarejoMenu->close();
            QVERIFY(ManCaixaVarejoMenu->isVisible());
        };
        Biblioteca->Passos = {Passo{0, 0, 0, 0, 0, {}}};
        QTest::keyClick(ManCaixaVarejoMenu, Qt::Key_C);
        QCOMPARE(Biblioteca->Inicios.size(), size_t(1));
        QVERIFY(ManCaixaVarejoMenu->isVisible());
        Biblioteca->AoContinuar = nullptr;
        QTest::keyClick(ManCaixaVarejoMenu, Qt::Key_Escape);
        QVERIFY(!ManCaixaVarejoMenu->isVisible());
    }
};

QTEST_MAIN(TesteMenuTEF)
#include "teste_menu_tef.moc"
