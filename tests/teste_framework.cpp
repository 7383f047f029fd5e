#include "Erros.h"
#include "Modais.h"
#include "NAlerta.h"
#include "NEdit.h"
#include "NFloatEdit.h"
#include "NPushButton.h"
#include "TPLDataForm.h"
#include "TratadorErros.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QTest>
#include <QVBoxLayout>

namespace {

class TFormaTeste : public TTPLDataForm {
public:
    TNEdit* E1;
    TNEdit* E2;
    TNFloatEdit* Valor;
    TNPushButton* Botao;
    int Cliques = 0;

    TFormaTeste() {
        setWindowTitle(QStringLiteral("Forma de teste"));
        auto* Colunas = new QVBoxLayout(Conteudo());
        E1 = new TNEdit(Conteudo());
        E2 = new TNEdit(Conteudo());
        Valor = new TNFloatEdit(Conteudo());
        Botao = new TNPushButton(QStringLiteral("&A ) Cancelamento"), Conteudo());
        for (QWidget* Controle : std::initializer_list<QWidget*>{E1, E2, Valor, Botao}) {
            Colunas->addWidget(Controle);
        }
        E2->OnBeforeExit = [this](QWidget* Sender, bool& Validate) {
            TPLBeforeExit(Sender, Validate);
        };
        E2->OnValidate = [this](QWidget* Sender) { TPLForceValidateEmpty(Sender); };
        QObject::connect(Botao, &QPushButton::clicked, this, [this] { ++Cliques; });
    }
};

// Shows the form and gives it the keyboard.
void Ativa(QWidget* Forma) {
    Forma->show();
    QApplication::setActiveWindow(Forma);
    QVERIFY(QTest::qWaitForWindowActive(Forma));
}

void Foca(QWidget* Campo) {
    Campo->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Campo);
}

} // namespace

class TesteFramework : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void cleanup() { QCOMPARE(JanelasRestantes(), 0); }

    void EnterEBaixoAvancamCimaVolta() {
        TFormaTeste Forma;
        Ativa(&Forma);
        Foca(Forma.E1);
        QTest::keyClick(Forma.E1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Forma.E2);
        QTest::keyClicks(Forma.E2, QStringLiteral("x"));
        QTest::keyClick(Forma.E2, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), Forma.Valor);
        QTest::keyClick(Forma.Valor, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), Forma.E2);
        QTest::keyClick(Forma.E2, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), Forma.E1);
        // The edits never see these keys: the text is untouched.
        QCOMPARE(Forma.E2->text(), QStringLiteral("x"));
    }

    void CampoObrigatorioVazio() {
        TFormaTeste Forma;
        Ativa(&Forma);
        Foca(Forma.E2);
        {
            TRespostaModal Nenhum([](QWidget* D) { ClicaBotao(D, QStringLiteral("&Ok")); }, 300,
                                  &Forma);
            QTest::keyClick(Forma.E2, Qt::Key_Up);
            QTest::qWait(350);
            QVERIFY(!Nenhum.Respondeu());
        }
        QCOMPARE(QApplication::focusWidget(), Forma.E1);

        Foca(Forma.E2);
        for (Qt::Key Tecla : {Qt::Key_Return, Qt::Key_Down, Qt::Key_Tab}) {
            QString Mensagem;
            TRespostaModal Ok([&](QWidget* D) {
                Mensagem = TextoDaMensagem(D);
                ClicaBotao(D, QStringLiteral("&Ok"));
            });
            QTest::keyClick(Forma.E2, Tecla);
            QVERIFY(Ok.Respondeu());
            QCOMPARE(Mensagem, QStringLiteral("O preenchimento deste ítem é obrigatório."));
            QTRY_COMPARE(QApplication::focusWidget(), Forma.E2);
        }

        // A click elsewhere is refused the same way, and the button is not pressed.
        // The click goes through the window, as the window system delivers it.
        TRespostaModal Ok([](QWidget* D) { ClicaBotao(D, QStringLiteral("&Ok")); });
        QTest::mouseClick(Forma.windowHandle(), Qt::LeftButton, {},
                          Forma.Botao->mapTo(&Forma, Forma.Botao->rect().center()));
        QVERIFY(Ok.Respondeu());
        QCOMPARE(Forma.Cliques, 0);
        QTRY_COMPARE(QApplication::focusWidget(), Forma.E2);

        // Once the field holds a value the same click goes through.
        Forma.E2->setText(QStringLiteral("x"));
        QTest::mouseClick(Forma.windowHandle(), Qt::LeftButton, {},
                          Forma.Botao->mapTo(&Forma, Forma.Botao->rect().center()));
        QTRY_COMPARE(Forma.Cliques, 1);
    }

    void VerificacoesNumericas_data() {
        QTest::addColumn<bool>("MaiorQueZero");
        QTest::addColumn<QString>("Texto");
        QTest::addColumn<QString>("Mensagem");
        const QString Zero =
            QStringLiteral("O valor informado precisa ser um número válido maior que zero.");
        const QString Negativo =
            QStringLiteral("O valor informado precisa ser um número válido maior ou igual a zero.");
        QTest::newRow("-0,50 não negativo") << false << "-0,50" << Negativo;
        QTest::newRow("0 não negativo") << false << "0" << QString();
        QTest::newRow("0 maior que zero") << true << "0" << Zero;
        QTest::newRow("1.234,50 maior que zero") << true << "1.234,50" << QString();
        QTest::newRow("50% maior que zero") << true << "50%" << QString();
        QTest::newRow("abc não negativo") << false << "abc" << Negativo;
    }

    void VerificacoesNumericas() {
        QFETCH(bool, MaiorQueZero);
        QFETCH(QString, Texto);
        QFETCH(QString, Mensagem);
        TFormaTeste Forma;
        Forma.E2->OnValidate = [&](QWidget* Sender) {
            MaiorQueZero ? Forma.TPLForceValidateZero(Sender)
                         : Forma.TPLForceValidateNegative(Sender);
        };
        Ativa(&Forma);
        Foca(Forma.E2);
        Forma.E2->setText(Texto);
        QString Mostrada;
        TRespostaModal Ok(
            [&](QWidget* D) {
                Mostrada = TextoDaMensagem(D);
                ClicaBotao(D, QStringLiteral("&Ok"));
            },
            Mensagem.isEmpty() ? 300 : 5000, &Forma);
        QTest::keyClick(Forma.E2, Qt::Key_Return);
        if (Mensagem.isEmpty()) {
            QTest::qWait(350);
            QCOMPARE(QApplication::focusWidget(), Forma.Valor);
        } else {
            QTRY_COMPARE(QApplication::focusWidget(), Forma.E2);
        }
        QCOMPARE(Mostrada, Mensagem);
    }

    void DigitacaoDoValor() {
        TFormaTeste Forma;
        Ativa(&Forma);
        Foca(Forma.Valor);
        TNFloatEdit* Valor = Forma.Valor;
        QTest::keyClicks(Valor, QStringLiteral("12,345"));
        QCOMPARE(Valor->text(), QStringLiteral("12,34"));
        Valor->setCursorPosition(0);
        QTest::keyClick(Valor, Qt::Key_Comma);
        QCOMPARE(Valor->text(), QStringLiteral("12,34"));
        QCOMPARE(Valor->cursorPosition(), 3);
        QTest::keyClick(Valor, Qt::Key_Backspace);
        QCOMPARE(Valor->text(), QStringLiteral("12"));
        QTest::keyClicks(Valor, QStringLiteral("a5x"));
        QCOMPARE(Valor->text(), QStringLiteral("125"));
        QTest::keyClicks(Valor, QStringLiteral("4,5"));
        QTest::keyClick(Valor, Qt::Key_Return);
        QCOMPARE(Valor->text(), QStringLiteral("1.254,50"));
        QCOMPARE(Valor->Valor(), Currency::DeCentavos(125450));
        Foca(Valor);
        QCOMPARE(Valor->text(), QStringLiteral("1254,50"));
        // Delete right before the separator takes it and the decimals.
        Valor->setCursorPosition(4);
        QTest::keyClick(Valor, Qt::Key_Delete);
        QCOMPARE(Valor->text(), QStringLiteral("1254"));
    }

    // 12, the keypad's decimal key (it sends "."), 34: R$ 12,34.
    void TecladoNumericoDecimal() {
        TFormaTeste Forma;
        Ativa(&Forma);
        Foca(Forma.Valor);
        QTest::keyClicks(Forma.Valor, QStringLiteral("12"), Qt::KeypadModifier);
        QTest::keyClick(Forma.Valor, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClicks(Forma.Valor, QStringLiteral("34"), Qt::KeypadModifier);
        QCOMPARE(Forma.Valor->text(), QStringLiteral("12,34"));
        QCOMPARE(Forma.Valor->Valor(), Currency::DeCentavos(1234));
    }

    void SinalLimitesEValorVazio() {
        TFormaTeste Forma;
        Ativa(&Forma);
        TNFloatEdit* Valor = Forma.Valor;
        Foca(Valor);
        QTest::keyClicks(Valor, QStringLiteral("5-"));
        QCOMPARE(Valor->text(), QStringLiteral("5"));
        Valor->setCursorPosition(0);
        QTest::keyClicks(Valor, QStringLiteral("-"));
        QCOMPARE(Valor->text(), QStringLiteral("-5"));
        // A separator typed before the minus sign is dropped.
        Valor->setCursorPosition(0);
        QTest::keyClicks(Valor, QStringLiteral(","));
        QCOMPARE(Valor->text(), QStringLiteral("-5"));
        Valor->setCursorPosition(2);
        QTest::keyClick(Valor, Qt::Key_Minus);
        QCOMPARE(Valor->cursorPosition(), 1);

        Valor->SetBaseSize(3);
        Valor->setText(QString());
        QTest::keyClicks(Valor, QStringLiteral("12345,678"));
        QCOMPARE(Valor->text(), QStringLiteral("123,67"));
        Valor->SetNegative(false);
        Valor->setText(QString());
        QTest::keyClicks(Valor, QStringLiteral("-"));
        QCOMPARE(Valor->text(), QString());
        QTest::keyClick(Valor, Qt::Key_Return);
        QCOMPARE(Valor->text(), QStringLiteral("0,00"));
        QCOMPARE(Valor->maxLength(), 40);

        QVERIFY_THROWS_EXCEPTION(EErro, Valor->SetBaseSize(17));
        QVERIFY_THROWS_EXCEPTION(EErro, Valor->SetDecimalSize(0));
        // The message of the error raised; empty when none was.
        const auto Erro = [](const std::function<void()>& Acao) {
            try {
                Acao();
            } catch (const EErro& E) {
                return E.Mensagem();
            }
            return QString();
        };
        QCOMPARE(Erro([&] { Valor->SetBaseSize(0); }), QStringLiteral("Invalid base size."));
        QCOMPARE(Erro([&] { Valor->SetDecimalSize(9); }), QStringLiteral("Invalid decimal size."));
    }

    void TemplateModalEmTelaCheia() {
        QPointer<TFormaTeste> Referencia;
        TornaPresente(Referencia);
        QVERIFY(Referencia);
        TFormaTeste* Primeira = Referencia.data();
        TornaPresente(Referencia);
        QCOMPARE(Referencia.data(), Primeira);
        QVERIFY(!Referencia->isVisible());
        QVERIFY(Referencia->TemplateModal);
        QCOMPARE(Referencia->MargemInterna, 2);
        QVERIFY(Referencia->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(Referencia->TamanhoTelaCheia(QSize(1024, 768)), QSize(1004, 698));

        QSize Tamanho;
        QString Titulo;
        TRespostaModal Esc([&](QWidget* D) {
            Tamanho = D->size();
            Titulo = Referencia->pnlTop->text();
            QTest::keyClick(D, Qt::Key_Escape);
        });
        QCOMPARE(MostraModal(Referencia), -1);
        QCOMPARE(Tamanho, QSize(1004, 698));
        QCOMPARE(Titulo, QStringLiteral("Forma de teste"));
        Libera(Referencia);
        QVERIFY(!Referencia);

        // A form that destroys itself leaves no dangling reference.
        TornaPresente(Referencia);
        delete Referencia.data();
        QVERIFY(Referencia.isNull());
    }

    void EscForaDeTemplateModalNaoFecha() {
        TFormaTeste Forma;
        Ativa(&Forma);
        Foca(Forma.E1);
        QTest::keyClick(Forma.E1, Qt::Key_Escape);
        QVERIFY(Forma.isVisible());
        QCOMPARE(Forma.UltimaTecla, int(Qt::Key_Escape));
    }

    void AceleradorPressionaOBotao() {
        TFormaTeste Forma;
        Ativa(&Forma);
        QCOMPARE(Forma.Botao->Acelerador(), QChar(u'A'));
        Foca(Forma.E1);
        QTest::keyClicks(Forma.E1, QStringLiteral("a"));
        QCOMPARE(Forma.Cliques, 0);
        Foca(Forma.Botao);
        QTest::keyClicks(Forma.Botao, QStringLiteral("a"));
        QCOMPARE(Forma.Cliques, 1);
    }

    void AlertaSoFechaComSuaTecla() {
        TFormaTeste Forma;
        Ativa(&Forma);
        Foca(Forma.E1);
        QString Linha;
        QString Cor1, Cor2;
        bool AbertoDepoisDeOutrasTeclas = false;
        TRespostaModal Teclas([&](QWidget* D) {
            auto* Rotulo = D->findChild<QLabel*>(QStringLiteral("LinhaFechamento"));
            Linha = Rotulo->text();
            Cor1 = Rotulo->styleSheet();
            QTest::qWait(550);
            Cor2 = Rotulo->styleSheet();
            QTest::keyClick(D, Qt::Key_Escape);
            QTest::keyClick(D, Qt::Key_Space);
            AbertoDepoisDeOutrasTeclas = D->isVisible();
            QTest::keyClick(D, Qt::Key_Return);
        });
        bool Abortou = false;
        try {
            LevantaAlerta(QStringLiteral("Dado inválido."), Forma.E2, 13);
        } catch (const EAbortoSilencioso&) {
            Abortou = true;
        }
        QVERIFY(Abortou);
        QCOMPARE(Linha, QStringLiteral("Tecle ENTER para fechar esta caixa de diálogo."));
        QVERIFY(Cor1 != Cor2);
        QVERIFY(AbertoDepoisDeOutrasTeclas);
        QTRY_COMPARE(QApplication::focusWidget(), Forma.E2);
        QCOMPARE(TNAlerta::TeclaResolvida(65), 27);
    }

    void TratadorMostraErroEIgnoraAbortoSilencioso() {
        QString Mensagem;
        {
            TRespostaModal Ok([&](QWidget* D) {
                Mensagem = TextoDaMensagem(D);
                ClicaBotao(D, QStringLiteral("&Ok"));
            });
            Protegido([] { throw EErro(QStringLiteral("Falha ao gravar.")); })();
        }
        QCOMPARE(Mensagem, QStringLiteral("Falha ao gravar."));
        TRespostaModal Nenhum([](QWidget* D) { D->close(); }, 200);
        Protegido([] { throw EAbortoSilencioso(); })();
        QTest::qWait(250);
        QVERIFY(!Nenhum.Respondeu());
    }
};

QTEST_MAIN(TesteFramework)
#include "teste_framework.moc"
