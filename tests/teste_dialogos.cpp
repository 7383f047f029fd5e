#include "EstacaoRoteirizada.h"
#include "ListaMovimento.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "MAN_CAIXA_TEF_MOVIMENTO.h"
#include "MAN_CAIXA_TEF_VISUALIZA.h"
#include "Modais.h"
#include "NFloatEdit.h"
#include "NPushButton.h"
#include "OperadorTEFQt.h"
#include "PastaDeTrabalho.h"
#include "Relogio.h"

#include <QAccessible>
#include <QApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace CodigosDialogo;

namespace {

QStringList BotoesVisiveis(TManCaixaTefMenu* Menu) {
    QStringList Legendas;
    for (TNPushButton* Botao : Menu->BotoesOpcao) {
        if (Botao->isVisible()) {
            Legendas.append(Botao->text());
        }
    }
    return Legendas;
}

// A click as the window system delivers it: through the window.
void Clica(QWidget* Controle) {
    QTest::mouseClick(Controle->window()->windowHandle(), Qt::LeftButton, {},
                      Controle->mapTo(Controle->window(), Controle->rect().center()));
}

// Answers the alert or message that opens over Dialogo: its text, then Tecla.
struct TRespostaAninhada {
    QString Texto;
    TRespostaModal Resposta;
    TRespostaAninhada(QWidget* Dialogo, Qt::Key Tecla)
        : Resposta(
              [this, Tecla](QWidget* D) {
                  Texto = TextoDaMensagem(D);
                  QTest::keyClick(D->focusWidget() != nullptr ? D->focusWidget() : D, Tecla);
              },
              5000, Dialogo) {}
};

// Shows the data-collection dialog of the given kind and runs Acao on it.
QString Coleta(std::int32_t Tipo, std::int32_t Minimo, std::int32_t Maximo, const QString& Titulo,
               const std::function<void(TManCaixaTefColeta*)>& Acao) {
    TornaPresente(ManCaixaTefColeta);
    ManCaixaTefColeta->TipoColeta = Tipo;
    ManCaixaTefColeta->TamanhoMinimo = Minimo;
    ManCaixaTefColeta->TamanhoMaximo = Maximo;
    ManCaixaTefColeta->LBL_TITULO->setText(Titulo);
    ManCaixaTefColeta->CodigoSaida.clear();
    TRespostaModal Resposta([&](QWidget*) { Acao(ManCaixaTefColeta); });
    MostraModal(ManCaixaTefColeta);
    return ManCaixaTefColeta->CodigoSaida;
}

void Digita(QWidget* Campo, const QString& Texto) {
    QTRY_COMPARE(QApplication::focusWidget(), Campo);
    QTest::keyClicks(Campo, Texto);
}

} // namespace

class TesteDialogos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void cleanup() {
        Libera(ManCaixaTefMenu);
        Libera(ManCaixaTefColeta);
        Libera(ManCaixaTefVisualiza);
        QCOMPARE(JanelasRestantes(), 0);
    }

    void MenuDeDuasOpcoes() {
        for (const bool PorTecla : {false, true}) {
            TornaPresente(ManCaixaTefMenu);
            ManCaixaTefMenu->Opcoes = QStringLiteral("1:Crédito;2:Débito;");
            QStringList Legendas;
            int Altura = 0;
            TRespostaModal Escolha([&](QWidget*) {
                Legendas = BotoesVisiveis(ManCaixaTefMenu);
                Altura = ManCaixaTefMenu->height();
                if (PorTecla) {
                    QTest::keyClick(ManCaixaTefMenu->focusWidget(), Qt::Key_2);
                } else {
                    Clica(ManCaixaTefMenu->BotoesOpcao[1]);
                }
            });
            MostraModal(ManCaixaTefMenu);
            QCOMPARE(Legendas,
                     (QStringList{QStringLiteral("&1-Crédito"), QStringLiteral("&2-Débito")}));
            QCOMPARE(Altura, 199);
            QCOMPARE(ManCaixaTefMenu->width(), 313);
            QCOMPARE(ManCaixaTefMenu->OpcaoEscolhida, QStringLiteral("2"));
            Libera(ManCaixaTefMenu);
        }
    }

    void MenuPreencheAteNoveEntradas_data() {
        QTest::addColumn<QString>("Opcoes");
        QTest::addColumn<QStringList>("Legendas");
        QTest::addColumn<int>("Altura");
        // Every entry gets its button; the form shows nine and scrolls.
        QStringList Dez;
        QString Opcoes;
        for (int I = 1; I <= 10; ++I) {
            Opcoes += QStringLiteral("%1:Opção %1;").arg(I);
            Dez.append(QStringLiteral("&%1-Opção %1").arg(I));
        }
        QTest::newRow("dez") << Opcoes << Dez << 145 + 27 * 9;
        // Empty entries are not offered: only "Voltar" and "Abandonar".
        QTest::newRow("vazia") << QString() << QStringList() << 145;
        QTest::newRow("entradas vazias") << ";1:A;; ;2:B;" << QStringList{"&1-A", "&2-B"} << 199;
        QTest::newRow("sem ; no fim") << "1:A;2:B" << QStringList{"&1-A", "&2-B"} << 199;
        QTest::newRow("brancos") << " 1:A ; 2:B:x ;" << QStringList{"&1-A", "& 2-B-x "} << 199;
    }

    void MenuPreencheAteNoveEntradas() {
        QFETCH(QString, Opcoes);
        QFETCH(QStringList, Legendas);
        QFETCH(int, Altura);
        TornaPresente(ManCaixaTefMenu);
        ManCaixaTefMenu->Opcoes = Opcoes;
        QStringList Mostradas;
        int AlturaMostrada = 0;
        TRespostaModal Primeira([&](QWidget*) {
            Mostradas = BotoesVisiveis(ManCaixaTefMenu);
            AlturaMostrada = ManCaixaTefMenu->height();
            Clica(Legendas.isEmpty() ? ManCaixaTefMenu->BtnSair : ManCaixaTefMenu->BotoesOpcao[0]);
        });
        MostraModal(ManCaixaTefMenu);
        QCOMPARE(Mostradas, Legendas);
        QCOMPARE(AlturaMostrada, Altura);
        QCOMPARE(ManCaixaTefMenu->Continuacao, Legendas.isEmpty() ? -1 : 0);
        if (!Legendas.isEmpty()) {
            QCOMPARE(ManCaixaTefMenu->OpcaoEscolhida, QStringLiteral("1"));
        }
    }

    // The answer is the entry's code ("code:text"), the position when the
    // entry has none; codes of two digits are typed whole, and a code that
    // begins longer ones is taken with Enter.
    void MenuRespondeOCodigo_data() {
        QTest::addColumn<QString>("Opcoes");
        QTest::addColumn<QString>("Teclas"); // empty: a click on the second button
        QTest::addColumn<QString>("Esperada");
        QString Doze;
        for (int I = 1; I <= 12; ++I) {
            Doze += QStringLiteral("%1:Opção %1;").arg(I);
        }
        QTest::newRow("códigos que saltam") << "1:Crédito;3:Débito;"
                                            << ""
                                            << "3";
        QTest::newRow("sem códigos") << "Crédito;Débito;PIX;"
                                     << ""
                                     << "2";
        QTest::newRow("1, 2, 3 como antes") << "1:A;2:B;3:C;"
                                            << ""
                                            << "2";
        QTest::newRow("a partir de 10") << "10:A;11:B;"
                                        << ""
                                        << "11";
        QString DeDoisATreze;
        for (int I = 2; I <= 13; ++I) {
            DeDoisATreze += QStringLiteral("%1:Opção %1;").arg(I);
        }
        QTest::newRow("décima primeira pelo teclado") << DeDoisATreze << "12"
                                                      << "12";
        // Tab goes through every entry before the bar's buttons.
        QTest::newRow("décima pelo Tab")
            << DeDoisATreze << QStringLiteral("\t").repeated(9) + u' ' << "11";
        QTest::newRow("1 com Enter entre 10, 11, 12") << Doze << "1\n"
                                                      << "1";
        QTest::newRow("3 de uma vez") << Doze << "3"
                                      << "3";
        QTest::newRow("código digitado, sem códigos") << "Crédito;Débito;"
                                                      << "2"
                                                      << "";
        // Codes 0 and 999 are entries like any other, never abandon or back.
        QTest::newRow("código 0") << "0:Crédito;1:Débito;999:Outros;"
                                  << "0"
                                  << "0";
        QTest::newRow("código 999") << "0:Crédito;1:Débito;999:Outros;"
                                    << "999"
                                    << "999";
        // An entry without a code never answers another entry's code.
        QTest::newRow("lista mista") << "2:A;B;"
                                     << ""
                                     << "3";
    }

    void MenuRespondeOCodigo() {
        QFETCH(QString, Opcoes);
        QFETCH(QString, Teclas);
        QFETCH(QString, Esperada);
        TornaPresente(ManCaixaTefMenu);
        ManCaixaTefMenu->Opcoes = Opcoes;
        TRespostaModal Escolha([&](QWidget*) {
            if (Teclas.isEmpty()) {
                QTest::keyClick(ManCaixaTefMenu->BotoesOpcao[1], Qt::Key_Space);
                return;
            }
            for (const QChar Tecla : Teclas) {
                const Qt::Key Chave = Tecla == u'\n'   ? Qt::Key_Return
                                      : Tecla == u'\t' ? Qt::Key_Tab
                                      : Tecla == u' '
                                          ? Qt::Key_Space
                                          : static_cast<Qt::Key>(Qt::Key_0 + Tecla.digitValue());
                QTest::keyClick(QApplication::focusWidget(), Chave);
            }
            if (ManCaixaTefMenu->isVisible()) {
                QTest::keyClick(ManCaixaTefMenu, Qt::Key_Escape);
            }
        });
        MostraModal(ManCaixaTefMenu);
        QCOMPARE(ManCaixaTefMenu->OpcaoEscolhida,
                 Esperada.isEmpty() ? QStringLiteral("0") : Esperada);
        QCOMPARE(ManCaixaTefMenu->Continuacao, Esperada.isEmpty() ? -1 : 0);
    }

    // A huge list: empty entries none, the rest up to the limit with a line
    // saying how many more, and the buttons gone with the menu.
    void MenuEnormeLimitadoELiberado() {
        const struct {
            QString Opcoes;
            int Botoes;
        } Casos[] = {{QString(30000, u';'), 0},
                     {QStringLiteral("x;").repeated(30000), TManCaixaTefMenu::MaximoOpcoes + 1}};
        for (const auto& Caso : Casos) {
            TornaPresente(ManCaixaTefMenu);
            ManCaixaTefMenu->Opcoes = Caso.Opcoes;
            QStringList Mostradas;
            TRespostaModal Fecha([&](QWidget*) {
                Mostradas = BotoesVisiveis(ManCaixaTefMenu);
                Clica(ManCaixaTefMenu->BtnSair);
            });
            MostraModal(ManCaixaTefMenu);
            QCOMPARE(Mostradas.size(), Caso.Botoes);
            if (Caso.Botoes > 0) {
                QCOMPARE(Mostradas.back(), QStringLiteral("(mais 29500 opções não mostradas)"));
            }
            QCOMPARE(ManCaixaTefMenu->BotoesOpcao.size(), size_t(TManCaixaTefMenu::BotoesVisiveis));
        }
    }

    void MenuAbandonarVoltarEsc() {
        const std::function<void(TManCaixaTefMenu*)> Acoes[] = {
            [](TManCaixaTefMenu* M) { Clica(M->BtnSair); },
            [](TManCaixaTefMenu* M) { Clica(M->BtnVoltar); },
            [](TManCaixaTefMenu* M) { QTest::keyClick(M->focusWidget(), Qt::Key_Escape); },
            // The window system's close control (Alt+F4) abandons too.
            [](TManCaixaTefMenu* M) { M->close(); }};
        const QStringList Esperadas = {QStringLiteral("0"), QStringLiteral("999"),
                                       QStringLiteral("0"), QStringLiteral("0")};
        for (int I = 0; I < 4; ++I) {
            // The instance made at start-up (not a modal template) behaves alike.
            for (const bool Template : {true, false}) {
                if (Template) {
                    TornaPresente(ManCaixaTefMenu);
                } else {
                    ManCaixaTefMenu = new TManCaixaTefMenu();
                }
                ManCaixaTefMenu->Opcoes = QStringLiteral("1:A;");
                TRespostaModal Resposta([&](QWidget*) { Acoes[I](ManCaixaTefMenu); });
                MostraModal(ManCaixaTefMenu);
                QCOMPARE(ManCaixaTefMenu->OpcaoEscolhida, Esperadas[I]);
                Libera(ManCaixaTefMenu);
            }
        }
    }

    // Closed through the window system after a value was typed: abandoned,
    // never the typed or an earlier value taken as the answer.
    void ColetaFechadaPelaJanelaAbandona() {
        for (const std::int32_t Tipo : {ColetaTexto, ColetaValor, ColetaCheque, ColetaSenha}) {
            ValorColetado = QStringLiteral("4111111111111111");
            const QString Codigo =
                Coleta(Tipo, 1, 8, QStringLiteral(" Vencimento"), [](TManCaixaTefColeta* C) {
                    QTest::keyClicks(C->focusWidget(), "12");
                    C->close();
                });
            QCOMPARE(Codigo, QStringLiteral("0"));
            QCOMPARE(ValorColetado, QStringLiteral(" "));
            Libera(ManCaixaTefColeta);
        }
    }

    void VisualizadorDivideAsLinhas() {
        QCOMPARE(LinhasDoVisualizador(TNStringList({"um", "dois", "três"})).size(), 3);
        QCOMPARE(LinhasDoVisualizador(TNStringList({"um;dois"})),
                 (QStringList{QStringLiteral("um"), QStringLiteral("dois")}));
        QCOMPARE(LinhasDoVisualizador(TNStringList()), QStringList{QString()});
        QCOMPARE(LinhasDoVisualizador(TNStringList({"  \t x", "", "y"})),
                 (QStringList{QStringLiteral("x"), QString(), QStringLiteral("y")}));
    }

    void VisualizadorMostraSalvaESeDestroi() {
        TPastaDeTrabalho Pasta;
        TornaPresente(ManCaixaTefVisualiza);
        const QString Legenda = ManCaixaTefVisualiza->windowTitle();
        QStringList Mostradas;
        TRespostaModal Sair([&](QWidget*) {
            Mostradas = ManCaixaTefVisualiza->LinhasMostradas();
            ManCaixaTefVisualiza->SalvaEm(QStringLiteral("recibo.txt"));
            QCOMPARE(QApplication::focusWidget(), ManCaixaTefVisualiza->BtnSair);
            Clica(ManCaixaTefVisualiza->BtnSair);
        });
        ManCaixaTefVisualiza->MostraTexto(
            TNStringList({"VIA DO CLIENTE", "Crédito à vista;R$ 12,34"}), QString());
        QVERIFY(ManCaixaTefVisualiza.isNull());
        QCOMPARE(Legenda, QStringLiteral("Resultado - TEF"));
        QCOMPARE(Mostradas,
                 (QStringList{QStringLiteral("VIA DO CLIENTE"), QStringLiteral("Crédito à vista"),
                              QStringLiteral("R$ 12,34")}));
        QCOMPARE(Pasta.Le(QStringLiteral("recibo.txt")),
                 QByteArray("VIA DO CLIENTE\r\nCr\xe9"
                            "dito \xe0 vista\r\nR$ 12,34\r\n"));
    }

    void TextoComLimites() {
        // Minimum 2: one character is refused with the alert; two pass.
        QString Alerta;
        QCOMPARE(Coleta(ColetaTexto, 2, 5, QStringLiteral("Código"),
                        [&](TManCaixaTefColeta* C) {
                            Digita(C->EdtColeta, QStringLiteral("a"));
                            TRespostaAninhada Fecha(C, Qt::Key_Escape);
                            QTest::keyClick(C->EdtColeta, Qt::Key_Return);
                            Alerta = Fecha.Texto;
                            QVERIFY(C->isVisible());
                            Digita(C->EdtColeta, QStringLiteral("b"));
                            QTest::keyClick(C->EdtColeta, Qt::Key_Return);
                        }),
                 QString());
        QCOMPARE(Alerta, QStringLiteral("Dado inválido."));
        QCOMPARE(ValorColetado, QStringLiteral("ab"));

        // Minimum 0: an empty text is accepted.
        QCOMPARE(
            Coleta(ColetaTexto, 0, 5, QStringLiteral("Opcional"),
                   [](TManCaixaTefColeta* C) { QTest::keyClick(C->EdtColeta, Qt::Key_Return); }),
            QString());
        QCOMPARE(ValorColetado, QString());

        // Blanks only with a minimum are refused by the required check.
        QString Obrigatorio;
        Coleta(ColetaTexto, 1, 5, QStringLiteral("Código"), [&](TManCaixaTefColeta* C) {
            Digita(C->EdtColeta, QStringLiteral("  "));
            TRespostaAninhada Fecha(C, Qt::Key_Return);
            QTest::keyClick(C->EdtColeta, Qt::Key_Return);
            Obrigatorio = Fecha.Texto;
            Clica(C->BtnVoltar);
        });
        QCOMPARE(Obrigatorio, QStringLiteral("O preenchimento deste ítem é obrigatório."));
    }

    void SenhaDoSupervisor() {
        SenhaSupervisor = QStringLiteral("1234");
        QStringList Alertas;
        QCOMPARE(Coleta(ColetaSenha, 4, 8, QStringLiteral("Senha do supervisor"),
                        [&](TManCaixaTefColeta* C) {
                            for (const QString& Tentativa :
                                 {QStringLiteral("12"), QStringLiteral("12345")}) {
                                C->EDT_COLETA_SENHA->clear();
                                Digita(C->EDT_COLETA_SENHA, Tentativa);
                                TRespostaAninhada Fecha(C, Qt::Key_Escape);
                                QTest::keyClick(C->EDT_COLETA_SENHA, Qt::Key_Return);
                                Alertas.append(Fecha.Texto);
                            }
                            C->EDT_COLETA_SENHA->clear();
                            Digita(C->EDT_COLETA_SENHA, QStringLiteral("1234"));
                            QTest::keyClick(C->EDT_COLETA_SENHA, Qt::Key_Return);
                        }),
                 QString());
        QCOMPARE(Alertas, (QStringList{QStringLiteral("Senha inválida."),
                                       QStringLiteral("Senha não confere.")}));
        QCOMPARE(ValorColetado, QStringLiteral("1234"));

        // Esc in the password field empties it and abandons.
        QCOMPARE(Coleta(ColetaSenha, 4, 8, QStringLiteral("Senha"),
                        [](TManCaixaTefColeta* C) {
                            Digita(C->EDT_COLETA_SENHA, QStringLiteral("99"));
                            QTest::keyClick(C->EDT_COLETA_SENHA, Qt::Key_Escape);
                        }),
                 QStringLiteral("0"));
        QCOMPARE(ManCaixaTefColeta->EDT_COLETA_SENHA->text(), QString());
        QCOMPARE(ValorColetado, QStringLiteral(" "));
    }

    void ValorZeroNegativoESacado_data() {
        QTest::addColumn<bool>("Exige");
        QTest::addColumn<QString>("Titulo");
        QTest::addColumn<QString>("Digitado");
        QTest::addColumn<QString>("Recusa");
        const QString Zero =
            QStringLiteral("O valor informado precisa ser um número válido maior que zero.");
        QTest::newRow("zero aceito") << false << "Valor do saque"
                                     << "" << QString();
        QTest::newRow("zero com ExigeValor") << true << "Valor"
                                             << "" << Zero;
        QTest::newRow("zero e sacado") << false << "Valor do Sacado"
                                       << "" << Zero;
        QTest::newRow("zero e SACADO minúsculo") << false << "cheque do sacado"
                                                 << "" << Zero;
        QTest::newRow("negativo")
            << false << "Valor"
            << "-5"
            << "O valor informado precisa ser um número válido maior ou igual a zero.";
    }

    void ValorZeroNegativoESacado() {
        QFETCH(bool, Exige);
        QFETCH(QString, Titulo);
        QFETCH(QString, Digitado);
        QFETCH(QString, Recusa);
        TornaPresente(ManCaixaTefColeta);
        ManCaixaTefColeta->ExigeValor = Exige;
        QString Mostrada;
        Coleta(ColetaValor, 0, 0, Titulo, [&](TManCaixaTefColeta* C) {
            QCOMPARE(C->EDTCOLETAVALOR->text(), QStringLiteral("0,00"));
            C->EDTCOLETAVALOR->selectAll();
            Digita(C->EDTCOLETAVALOR, Digitado);
            if (Digitado.isEmpty()) {
                QTest::keyClick(C->EDTCOLETAVALOR, Qt::Key_Backspace);
            }
            TRespostaAninhada Fecha(C, Qt::Key_Return);
            QTest::keyClick(C->EDTCOLETAVALOR, Qt::Key_Return);
            Mostrada = Fecha.Texto;
            if (C->isVisible()) {
                Clica(C->BtnVoltar);
            }
        });
        QCOMPARE(Mostrada, Recusa);
        if (Recusa.isEmpty()) {
            QCOMPARE(ValorColetado, QStringLiteral("0,00"));
        }
    }

    void DadosDoCheque_data() {
        QTest::addColumn<QString>("Numero");
        QTest::addColumn<QString>("Resposta");
        QTest::newRow("29") << "45"
                            << "0010010001"
                               "1"
                               "       123"
                               "2"
                               "000045"
                               "3";
        QTest::newRow("31") << "12345678"
                            << "0010010001"
                               "1"
                               "       123"
                               "2"
                               "12345678"
                               "3";
    }

    void DadosDoCheque() {
        QFETCH(QString, Numero);
        QFETCH(QString, Resposta);
        Coleta(ColetaCheque, 0, 0, QStringLiteral("Dados do cheque"), [&](TManCaixaTefColeta* C) {
            // A letter does not reach the compensation field.
            Digita(C->EDT_COMPENSACAO, QStringLiteral("x1"));
            QCOMPARE(C->EDT_COMPENSACAO->text(), QStringLiteral("1"));
            const QList<std::pair<QWidget*, QString>> Partes = {
                {C->EDT_Banco, QStringLiteral("1")}, {C->EDT_AGENCIA, QStringLiteral("1")},
                {C->EDT_C1, QStringLiteral("1")},    {C->EDT_Conta, QStringLiteral("123")},
                {C->EDT_C2, QStringLiteral("2")},    {C->EDT_NUM_CHEQUE, Numero},
                {C->EDT_C3, QStringLiteral("3")}};
            QTest::keyClick(C->EDT_COMPENSACAO, Qt::Key_Return);
            for (const auto& [Campo, Texto] : Partes) {
                Digita(Campo, Texto);
                QTest::keyClick(Campo, Qt::Key_Return);
            }
        });
        QCOMPARE(ValorColetado, Resposta);
        QCOMPARE(ValorColetado.size(), Resposta.size());
        QCOMPARE(RespostaCheque(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                                QStringLiteral("1"), QStringLiteral("123"), QStringLiteral("2"),
                                QStringLiteral("45"), QStringLiteral("3"))
                     .size(),
                 29);
    }

    // Every check field lies inside the dialog at its design size, wide
    // enough for one character; the answer needs all eight filled.
    void ChequeDentroDoDialogoEConferidoInteiro() {
        QString Alerta;
        const QString Codigo = Coleta(
            ColetaCheque, 0, 0, QStringLiteral("Dados do cheque"), [&](TManCaixaTefColeta* C) {
                QCOMPARE(C->width(), TManCaixaTefColeta::LarguraInicial);
                for (TNEdit* Campo : {C->EDT_COMPENSACAO, C->EDT_Banco, C->EDT_AGENCIA, C->EDT_C1,
                                      C->EDT_Conta, C->EDT_C2, C->EDT_NUM_CHEQUE, C->EDT_C3}) {
                    const QRect NoDialogo(Campo->mapTo(C, QPoint()), Campo->size());
                    QVERIFY2(C->rect().contains(NoDialogo), qPrintable(Campo->objectName()));
                    QVERIFY(Campo->width() >= 16);
                }
                // Up from the compensation field wraps to the last check digit.
                Digita(C->EDT_COMPENSACAO, QStringLiteral("1"));
                C->EDT_C3->setFocus();
                QTest::keyClicks(C->EDT_C3, QStringLiteral("3"));
                TRespostaAninhada Fecha(C, Qt::Key_Escape);
                QTest::keyClick(C->EDT_C3, Qt::Key_Return);
                Alerta = Fecha.Texto;
                QVERIFY(C->isVisible());
                QTRY_COMPARE(QApplication::focusWidget(), C->EDT_Banco);
                Clica(C->BtnSair);
            });
        QCOMPARE(Codigo, QStringLiteral("0"));
        QVERIFY(!Alerta.isEmpty());
    }

    void LarguraDoCampoDeTexto() {
        int Campo = 0;
        int Forma = 0;
        Coleta(ColetaTexto, 0, 40, QStringLiteral("Texto longo"), [&](TManCaixaTefColeta* C) {
            Campo = C->EdtColeta->width();
            Forma = C->width();
            Clica(C->BtnSair);
        });
        QCOMPARE(Campo, 400);
        QCOMPARE(Forma, 450);
        // Absurd lengths from the library stay on the screen.
        for (const int Maximo : {-5, 0, 30000}) {
            Libera(ManCaixaTefColeta);
            Coleta(ColetaTexto, 0, Maximo, QStringLiteral("?"), [&](TManCaixaTefColeta* C) {
                Campo = C->EdtColeta->width();
                Forma = C->width();
                Clica(C->BtnSair);
            });
            QVERIFY(Forma <= 1024);
            if (Maximo <= 0) {
                QCOMPARE(Campo, 0);
            } else {
                QVERIFY(Campo > 400 && Campo < Forma);
            }
        }
    }

    void AbandonarVoltarEsc() {
        ValorColetado = QStringLiteral("anterior");
        QCOMPARE(Coleta(ColetaTexto, 0, 5, QStringLiteral("?"),
                        [](TManCaixaTefColeta* C) { Clica(C->BtnVoltar); }),
                 QStringLiteral("999"));
        QCOMPARE(ValorColetado, QStringLiteral("anterior"));
        QCOMPARE(Coleta(ColetaTexto, 0, 5, QStringLiteral("?"),
                        [](TManCaixaTefColeta* C) { Clica(C->BtnSair); }),
                 QStringLiteral("0"));
        QCOMPARE(ValorColetado, QStringLiteral(" "));
        ValorColetado = QStringLiteral("anterior");
        QCOMPARE(Coleta(ColetaValor, 0, 0, QStringLiteral("?"),
                        [](TManCaixaTefColeta* C) {
                            QTest::keyClick(C->EDTCOLETAVALOR, Qt::Key_Escape);
                        }),
                 QStringLiteral("0"));
        QCOMPARE(ValorColetado, QStringLiteral(" "));
    }

    void OperadorSobreOsDialogosReais() {
        TOperadorTEFQt Operador;
        Operador.Menu().TornaPresente();
        Operador.Menu().DefineTitulo(QStringLiteral(" Forma de pagamento"));
        Operador.Menu().DefineOpcaoEscolhida(QString());
        Operador.Menu().DefineOpcoes(QStringLiteral("1:Crédito;2:Débito;"));
        QString Titulo;
        TRespostaModal Escolha([&](QWidget*) {
            Titulo = ManCaixaTefMenu->LBL_TITULO->text();
            QTest::keyClick(ManCaixaTefMenu->focusWidget(), Qt::Key_1);
        });
        Operador.Menu().Mostra();
        QCOMPARE(Titulo, QStringLiteral(" Forma de pagamento"));
        QCOMPARE(Operador.Menu().OpcaoEscolhida(), QStringLiteral("1"));
        Operador.Menu().Libera();
        QVERIFY(ManCaixaTefMenu.isNull());

        Operador.Coleta().DefineTitulo(QStringLiteral(" Número do cartão"));
        Operador.Coleta().DefineTipoColeta(ColetaTexto);
        Operador.Coleta().DefineTamanhoMinimo(13);
        Operador.Coleta().DefineTamanhoMaximo(19);
        Operador.Coleta().DefineCodigoSaida(QString());
        TRespostaModal Cartao([&](QWidget*) {
            Digita(ManCaixaTefColeta->EdtColeta, QStringLiteral("4111111111111111"));
            QTest::keyClick(ManCaixaTefColeta->EdtColeta, Qt::Key_Return);
        });
        Operador.Coleta().Mostra();
        QCOMPARE(Operador.Coleta().CodigoSaida(), QString());
        QCOMPARE(Operador.Coleta().ValorColetado(), QStringLiteral("4111111111111111"));
        QCOMPARE(ManCaixaTefColeta->FTopBar->text(), QStringLiteral(" Número do cartão"));
        Operador.Coleta().Libera();

        TRespostaModal Sair([&](QWidget*) { Clica(ManCaixaTefVisualiza->BtnSair); });
        Operador.Visualizador().TornaPresente();
        Operador.Visualizador().MostraTexto(TNStringList({"Comprovante"}), QString());
        QVERIFY(ManCaixaTefVisualiza.isNull());
    }

    // The day's movement by keyboard alone: the latest row under the cursor,
    // Ctrl+Down out of the list and Shift+Tab back, Up to an earlier line,
    // Enter prints its copy, another day by the date, the day exported
    // through the save dialog, Esc closes. The library is never called. A
    // screen reader reads every title and cell as the movement has them.
    void MovimentoDoDiaPeloTeclado() {
        TEstacaoRoteirizada E;
        E.Interface.ImprimeEmArquivo(E.Pasta.Caminho(QStringLiteral("copia.prn")));
        const QDate Hoje(2026, 12, 8);
        Relogio::Define([&] { return QDateTime(Hoje, QTime(18, 0)); });
        const auto Grava = [&](const QDate& Dia, const char* Documento, bool Confirma,
                               const QString& Comprovante) {
            TLancamentoTEF L;
            L.Documento = QString::fromLatin1(Documento);
            L.Valor = QStringLiteral("        10,00");
            L.Data = Dia.toString(QStringLiteral("yyyyMMdd"));
            L.Hora = QStringLiteral("104200");
            L.Comprovante = Comprovante;
            E.Livro.Inicia(L);
            L.Confirma = Confirma;
            E.Livro.Registra(L, TEstadoLancamento::Finalizada);
        };
        Grava(Hoje, "7", true, QStringLiteral("VIA DO CLIENTE DOC 7\r\n"));
        Grava(Hoje, "8", false, QString());
        Grava(Hoje.addDays(-1), "6", true, QStringLiteral("VIA DOC 6\r\n"));
        const QString Csv = E.Pasta.Caminho(QStringLiteral("dia.csv"));

        TManCaixaTefMovimento Janela(E.Livro, E.Modulo);
        int Linhas = 0, LinhasOntem = 0;
        bool CopiaSoComComprovante = false, CtrlSaiDaLista = false;
        QString Totais;
        QStringList Lidas, Esperadas;
        TRespostaModal Resposta([&](QWidget*) {
            TListaMovimento* Grade = Janela.GRD_MOVIMENTO;
            Linhas = Grade->Quantidade();
            QAccessibleTableInterface* Tabela =
                QAccessible::queryAccessibleInterface(Grade)->tableInterface();
            for (int Coluna = 0; Coluna < Tabela->columnCount(); ++Coluna) {
                Lidas << Tabela->columnDescription(Coluna);
                Esperadas << ColunasMovimento()[Coluna];
                for (int Linha = 0; Linha < Tabela->rowCount(); ++Linha) {
                    Lidas << Tabela->cellAt(Linha, Coluna)->text(QAccessible::Name);
                    Esperadas << CelulaMovimento(Janela.Movimento().Linhas()[Linha], Coluna);
                }
            }
            Totais = Janela.LBL_TOTAIS->text();
            CopiaSoComComprovante = Grade->Atual() == 1 && !Janela.BtnImprimirCopia->isEnabled();
            if (QTest::qWaitForWindowActive(&Janela) && Grade->hasFocus()) {
                QTest::keyClick(Grade, Qt::Key_Down, Qt::ControlModifier);
                CtrlSaiDaLista = Janela.EDT_DATA->hasFocus();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
                CtrlSaiDaLista = CtrlSaiDaLista && Grade->hasFocus();
            }
            QTest::keyClick(Grade, Qt::Key_Up);
            QTest::keyClick(Grade, Qt::Key_Return);
            TRespostaModal Salva(
                [&](QWidget* D) {
                    // Typed into the name field, as the cashier does (the
                    // dialog ignores a selection made while that field has focus).
                    D->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(Csv);
                    QMetaObject::invokeMethod(qobject_cast<QFileDialog*>(D), &QDialog::accept);
                },
                5000, &Janela);
            QTest::keyClick(Grade, Qt::Key_E);
            Janela.EDT_DATA->setDate(Hoje.addDays(-1));
            LinhasOntem = Grade->Quantidade();
            QTest::keyClick(Grade, Qt::Key_Escape);
        });
        MostraModal(&Janela);
        Relogio::Define({});
        QVERIFY(Resposta.Respondeu());
        QCOMPARE(Linhas, 2);
        QCOMPARE(Lidas.size(), 3 * ColunasMovimento().size());
        QCOMPARE(Lidas, Esperadas);
        QVERIFY(CopiaSoComComprovante);
        QCOMPARE(Totais, QStringLiteral("Vendas confirmadas: 1 — R$ 10,00    Cancelamentos: 0 — "
                                        "R$ 0,00    Líquido: R$ 10,00"));
        QCOMPARE(LinhasOntem, 1);
        QVERIFY(CtrlSaiDaLista);
        QVERIFY(!Janela.isVisible());
        const QByteArray Copia = E.Pasta.Le(QStringLiteral("copia.prn"));
        QVERIFY(Copia.contains(MarcaCopia.toLatin1()) && Copia.contains("VIA DO CLIENTE DOC 7"));
        QVERIFY(E.Biblioteca.Inicios.empty() && E.Biblioteca.Finalizacoes.empty());
        QCOMPARE(E.Pasta.Le(QStringLiteral("dia.csv")),
                 QByteArray("Hora;Documento;Função;Valor;Situação;Bandeira;Código da bandeira;"
                            "Rede;Código da rede;NSU SiTef;NSU Host\r\n"
                            "10:42:00;7;Venda;10,00;confirmada;;;;;;\r\n"
                            "10:42:00;8;Venda;10,00;desfeita;;;;;;\r\n"));
    }

    // The list moves its current line as a cashier expects, never past
    // either end and always into sight; Enter and a click act on the line
    // under them; the current line is painted apart, and framed only while
    // the list has the focus.
    void ListaMovimentoPeloTecladoEMouse() {
        std::vector<TLinhaMovimento> Linhas(30);
        for (int I = 0; I < 30; ++I) {
            Linhas[static_cast<size_t>(I)].Documento = QString::number(I + 1);
        }
        QWidget Janela;
        auto* Lista = new TListaMovimento(&Janela);
        auto* Outro = new QLineEdit(&Janela);
        Outro->move(0, 300);
        Lista->Define(&Linhas);
        Janela.show();
        QVERIFY(QTest::qWaitForWindowActive(&Janela));
        // Eight lines and a half in sight: the last one half out of it.
        Lista->resize(600,
                      Lista->height() - Lista->viewport()->height() + Lista->rowHeight(0) * 17 / 2);
        Lista->setFocus();
        QSignalSpy Escolhidas(Lista, &TListaMovimento::Escolhida);
        const auto Retangulo = [&](int Linha) {
            return Lista->visualRect(Lista->model()->index(Linha, 0));
        };
        const auto Visivel = [&](int Linha) {
            return Lista->viewport()->rect().contains(Retangulo(Linha));
        };
        // A page is the lines wholly in sight, and the list always shows
        // a whole page: no blank line scrolled in past the end.
        const auto EmVista = [&] {
            int Quantas = 0;
            for (int Linha = 0; Linha < 30; ++Linha) {
                Quantas += Visivel(Linha) ? 1 : 0;
            }
            return Quantas;
        };
        const int Pagina = EmVista();
        QVERIFY(Pagina > 1 && 2 * Pagina < 29);
        const struct {
            Qt::Key Tecla;
            int Atual;
        } Passos[] = {{Qt::Key_Down, 0},          {Qt::Key_Up, 0},
                      {Qt::Key_PageDown, Pagina}, {Qt::Key_PageDown, 2 * Pagina},
                      {Qt::Key_PageUp, Pagina},   {Qt::Key_End, 29},
                      {Qt::Key_Down, 29},         {Qt::Key_PageUp, 29 - Pagina},
                      {Qt::Key_Home, 0},          {Qt::Key_Return, 0}};
        for (const auto& Passo : Passos) {
            QTest::keyClick(Lista, Passo.Tecla);
            QCOMPARE(Lista->Atual(), Passo.Atual);
            QVERIFY(Visivel(Passo.Atual));
            QCOMPARE(EmVista(), Pagina);
        }
        QCOMPARE(Escolhidas.size(), 1);
        QCOMPARE(Escolhidas.front().front().toInt(), 0);
        QScrollBar* Barra = Lista->verticalScrollBar();
        Barra->setValue(Barra->maximum());
        QVERIFY(Visivel(29));
        QCOMPARE(EmVista(), Pagina);
        QTest::keyClick(Lista, Qt::Key_Home);

        const QImage ComFoco = Lista->viewport()->grab().toImage();
        Outro->setFocus();
        QTRY_VERIFY(Lista->viewport()->grab().toImage() != ComFoco);
        const QImage SemFoco = Lista->viewport()->grab().toImage();
        // The line half in sight at the bottom, clicked twice: that line is
        // chosen, not one scrolled under the pointer between the clicks.
        const QRect Metade = Retangulo(Pagina);
        QVERIFY(Metade.top() < Lista->viewport()->height());
        const QPoint Ponto(Metade.left() + 10, Metade.top() + 2);
        QTest::mouseClick(Lista->viewport(), Qt::LeftButton, {}, Ponto);
        QCOMPARE(Lista->Atual(), Pagina);
        QTest::mouseDClick(Lista->viewport(), Qt::LeftButton, {}, Ponto);
        QCOMPARE(Escolhidas.size(), 2);
        QCOMPARE(Escolhidas.back().front().toInt(), Pagina);
        QVERIFY(Lista->viewport()->grab().toImage() != SemFoco);

        // A larger font makes the header taller, and the lines start lower.
        QTest::keyClick(Lista, Qt::Key_Home);
        const auto Topo = [&] {
            return Lista->viewport()->mapTo(Lista, Retangulo(0).topLeft()).y();
        };
        const int Antes = Topo();
        QFont Grande = Lista->font();
        Grande.setPointSize(Grande.pointSize() * 2);
        Lista->setFont(Grande);
        QVERIFY(Topo() > Antes);
    }
};

QTEST_MAIN(TesteDialogos)
#include "teste_dialogos.moc"
