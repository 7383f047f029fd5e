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
#include <QScreen>
#include <QTest>

#include <tuple>

namespace {

using Passo = TBibliotecaRoteirizada::Passo;

// The buttons top to bottom: object name, letter, caption and the function
// the letter opens.
const std::tuple<const char*, Qt::Key, const char*, std::int32_t> BotoesMenu[] = {
    {"BtnCancelTEF", Qt::Key_A, "&A ) Cancelamento", 200},
    {"BtnReimpressao", Qt::Key_B, "&B ) Reimpressão Cupom TEF", 112},
    {"BtnPreAutorizacao", Qt::Key_C, "&C ) Pre-Autorização", 115},
    {"BtnCapPreAutorizacao", Qt::Key_D, "&D ) Captura Pré-Autorização", 116},
    {"BtnTestComuniTEF", Qt::Key_E, "&E ) Testar Comunicação", 111},
    {"BtnAdministrativoTEF", Qt::Key_F, "&F ) Administrativo", 110},
    {"BtnReimpressaoUltimo", Qt::Key_G, "&G ) Reimpressão do Último Cupom", 114},
    {"BtnReimpressaoEscolhida", Qt::Key_H, "&H ) Reimpressão de Cupom Específico", 113},
    {"BtnCancelPixTEF", Qt::Key_I, "&I ) Cancelamento PIX", 123}};

QList<TNPushButton*> Botoes(TManCaixaVarejoMenu* Menu) {
    QList<TNPushButton*> Lista;
    for (const auto& Botao : BotoesMenu) {
        Lista.append(Menu->findChild<TNPushButton*>(QString::fromLatin1(std::get<0>(Botao))));
    }
    return Lista;
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
        QCOMPARE(ManCaixaVarejoMenu->size(), QSize(300, 343));
        QVERIFY(ManCaixaVarejoMenu->screen()->availableGeometry().contains(
            ManCaixaVarejoMenu->frameGeometry()));
        int Acima = -1;
        for (const auto& [Nome, Tecla, Legenda, Funcao] : BotoesMenu) {
            auto* Botao = ManCaixaVarejoMenu->findChild<TNPushButton*>(QString::fromLatin1(Nome));
            QVERIFY(Botao && Botao->y() > Acima);
            Acima = Botao->y();
            QCOMPARE(Botao->text(), QString::fromUtf8(Legenda));
            QCOMPARE(Botao->Acelerador(), QChar(Tecla));
            QVERIFY(Botao->sizeHint().width() <= Botao->width());
            QVERIFY(ManCaixaVarejoMenu->rect().contains(
                QRect(Botao->mapTo(ManCaixaVarejoMenu, QPoint()), Botao->size())));
        }
        QCOMPARE(Habilitados(ManCaixaVarejoMenu), QList<bool>(9, true));
    }

    // The functions stay as the menu opened: a test from the open menu
    // changes nothing on screen until it opens again.
    void SoOTesteSemTEFEAteReabrir() {
        AbreMenu(-5);
        QCOMPARE(Habilitados(ManCaixaVarejoMenu),
                 (QList<bool>{false, false, false, false, true, false, false, false, false}));
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
        QCOMPARE(Habilitados(ManCaixaVarejoMenu), QList<bool>(9, true));
    }

    void CadaBotaoAbreSuaFuncao() {
        AbreMenu(0);
        for (const auto& [Nome, Tecla, Legenda, Funcao] : BotoesMenu) {
            if (Funcao == 111) {
                continue; // the communication test: SoOTesteSemTEFEAteReabrir
            }
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
            QCOMPARE(ExigeValor, Funcao == 200 || Funcao == 123 || Funcao == 115 || Funcao == 116);
            QCOMPARE(ComVisualizador, Funcao == 110);
            QVERIFY(ManCaixaTefMenu.isNull());
            QVERIFY(ManCaixaTefColeta.isNull());
            QVERIFY(ManCaixaTefVisualiza.isNull());
        }
        QCOMPARE(Biblioteca->Inicios.size(), size_t(8));
        QCOMPARE(ParaFrente, 3); // the cancellations and the administrative menu
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
        QCOMPARE(ParaFrente, 3);
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
