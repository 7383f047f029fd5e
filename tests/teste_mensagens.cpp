#include "CodigosDialogo.h"
#include "Modais.h"
#include "NDialog.h"
#include "NWaitDialog.h"
#include "VeltroTECD.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace CodigosDialogo;

class TesteMensagens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QCOMPARE(JanelasRestantes(), 0); }

    void CodigosDeCadaBotaoDeCadaConjunto_data() {
        QTest::addColumn<int>("Botoes");
        QTest::addColumn<QString>("Legenda");
        QTest::addColumn<int>("Resposta");
        QTest::newRow("0 Ok") << 0 << "&Ok" << 0;
        QTest::newRow("1 Ok") << 1 << "&Ok" << 0;
        QTest::newRow("1 Cancelar") << 1 << "&Cancelar" << 1;
        QTest::newRow("2 Sim") << 2 << "&Sim" << 2;
        QTest::newRow("2 Não") << 2 << "&Não" << 3;
        QTest::newRow("3 Sim") << 3 << "&Sim" << 2;
        QTest::newRow("3 Não") << 3 << "&Não" << 3;
        QTest::newRow("3 Cancelar") << 3 << "&Cancelar" << 1;
    }

    void CodigosDeCadaBotaoDeCadaConjunto() {
        QFETCH(int, Botoes);
        QFETCH(QString, Legenda);
        QFETCH(int, Resposta);
        QStringList Legendas;
        TRespostaModal Clique([&](QWidget* Dialogo) {
            for (auto* Botao : Dialogo->findChildren<QPushButton*>()) {
                Legendas.append(Botao->text());
            }
            ClicaBotao(Dialogo, Legenda);
        });
        const std::uint8_t Obtida = MsgDisplayResp(
            QStringLiteral("Pergunta"), QStringLiteral("Responda"),
            static_cast<std::uint8_t>(Botoes), IconeAutomatico, BotaoPadraoAutomatico);
        QVERIFY(Clique.Respondeu());
        QCOMPARE(int(Obtida), Resposta);
        const QList<QStringList> PorConjunto = {
            {"&Ok"}, {"&Ok", "&Cancelar"}, {"&Sim", "&Não"}, {"&Sim", "&Não", "&Cancelar"}};
        QCOMPARE(Legendas, PorConjunto[Botoes]);
    }

    void FechadoSemBotaoResponde4() {
        TRespostaModal Esc([](QWidget* Dialogo) { QTest::keyClick(Dialogo, Qt::Key_Escape); });
        QCOMPARE(int(MsgDisplayResp(QStringLiteral("?"), QStringLiteral("Responda"), BotoesSimNao,
                                    IconeQuestao, BotaoPadraoAutomatico)),
                 4);
    }

    // The bare letter presses its button, also in the message dialog.
    void LetraPressionaOBotao() {
        const std::pair<Qt::Key, std::uint8_t> Casos[] = {
            {Qt::Key_S, 2}, {Qt::Key_N, 3}, {Qt::Key_C, 1}};
        for (const auto& [Tecla, Codigo] : Casos) {
            TRespostaModal Letra(
                [Tecla](QWidget* Dialogo) { QTest::keyClick(Dialogo->focusWidget(), Tecla); });
            QCOMPARE(
                MsgDisplayResp(QStringLiteral("Confirma?"), QStringLiteral("Responda"), 3, 2, 4),
                Codigo);
        }
        // The window system's close control is no answer (4).
        TRespostaModal Fecha([](QWidget* Dialogo) { Dialogo->close(); });
        QCOMPARE(MsgDisplayResp(QStringLiteral("Confirma?"), QStringLiteral("Responda"), 2, 2, 4),
                 std::uint8_t(4));
    }

    void FocoInicialEEnterNoBotaoComFoco_data() {
        QTest::addColumn<int>("Botoes");
        QTest::addColumn<QString>("ComFoco");
        QTest::addColumn<int>("Resposta");
        QTest::newRow("0") << 0 << "&Ok" << 0;
        QTest::newRow("1") << 1 << "&Cancelar" << 1;
        QTest::newRow("2") << 2 << "&Não" << 3;
        QTest::newRow("3") << 3 << "&Não" << 3;
    }

    void FocoInicialEEnterNoBotaoComFoco() {
        QFETCH(int, Botoes);
        QFETCH(QString, ComFoco);
        QFETCH(int, Resposta);
        QString Focado;
        QString Mensagem;
        QString Titulo;
        TRespostaModal Enter([&](QWidget* Dialogo) {
            auto* Botao = qobject_cast<QPushButton*>(Dialogo->focusWidget());
            Focado = Botao != nullptr ? Botao->text() : QString();
            Mensagem = TextoDaMensagem(Dialogo);
            Titulo = Dialogo->findChild<QLabel*>(QStringLiteral("Titulo"))->text();
            QTest::keyClick(Dialogo->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(int(MsgDisplayResp(QStringLiteral("Confirma a operação?"),
                                    QStringLiteral("Responda"), static_cast<std::uint8_t>(Botoes),
                                    IconeAutomatico, BotaoPadraoAutomatico)),
                 Resposta);
        QCOMPARE(Focado, ComFoco);
        QCOMPARE(Mensagem, QStringLiteral("Confirma a operação?"));
        QCOMPARE(Titulo, QStringLiteral("Responda"));
    }

    void IconeEPadraoAutomaticos() {
        QCOMPARE(int(TDialog::IconeResolvido(BotoesOk, IconeAutomatico)), int(IconeInformacao));
        for (std::uint8_t Botoes : {BotoesOkCancelar, BotoesSimNao, BotoesSimNaoCancelar}) {
            QCOMPARE(int(TDialog::IconeResolvido(Botoes, IconeAutomatico)), int(IconeQuestao));
        }
        QCOMPARE(int(TDialog::IconeResolvido(BotoesSimNao, IconeInformacao)), int(IconeInformacao));
        QCOMPARE(int(TDialog::PadraoResolvido(BotoesSimNao, RespSim)), int(RespSim));
    }

    void MsgDisplayMostraEEspera() {
        QString Mensagem;
        TRespostaModal Ok([&](QWidget* Dialogo) {
            Mensagem = TextoDaMensagem(Dialogo);
            ClicaBotao(Dialogo, QStringLiteral("&Ok"));
        });
        MsgDisplay(QStringLiteral(" Transação aprovada"), QStringLiteral("Atenção"), BotoesOk,
                   IconeInformacao, BotaoPadraoAutomatico);
        QVERIFY(Ok.Respondeu());
        QCOMPARE(Mensagem, QStringLiteral(" Transação aprovada"));
    }

    void UmaCaixaDeEsperaSoQueTrocaOTexto() {
        AguardeDisplay(QStringLiteral("Primeiro"));
        TWaitDialog* Caixa = TWait::Caixa();
        QVERIFY(Caixa != nullptr);
        QVERIFY(Caixa->isVisible());
        QVERIFY(!Caixa->isModal());
        AguardeDisplay(QStringLiteral("Segundo"));
        QCOMPARE(TWait::Caixa(), Caixa);
        QCOMPARE(Caixa->Texto(), QStringLiteral("Segundo"));
        QCOMPARE(Caixa->findChild<QLabel*>(QStringLiteral("Titulo"))->text(),
                 QStringLiteral("Aguarde..."));
        int Caixas = 0;
        for (QWidget* Janela : QApplication::topLevelWidgets()) {
            Caixas += qobject_cast<TWaitDialog*>(Janela) != nullptr ? 1 : 0;
        }
        QCOMPARE(Caixas, 1);
        FimAguardeDisplay();
        QVERIFY(TWait::Caixa() == nullptr);
        // Closing with no box open does nothing.
        FimAguardeDisplay();
    }
};

QTEST_MAIN(TesteMensagens)
#include "teste_mensagens.moc"
