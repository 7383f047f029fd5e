// The main window against the simulator through the real binding.
#include "ArquivoPerfil.h"
#include "ConfiguracaoEstacao.h"
#include "EstacaoReal.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "ListaMovimento.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MOVIMENTO.h"
#include "Modais.h"
#include "NFloatEdit.h"
#include "NMaskEdit.h"
#include "NPushButton.h"
#include "Relogio.h"
#include "TelaPrincipal.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <sys/stat.h>

namespace {

const QString Secao = QStringLiteral("CONF_TEF");

QString Roteiro(const char* Nome) {
    return QStringLiteral(TK_ROTEIROS "/") + QString::fromLatin1(Nome);
}

QString CorDoTexto(const QLabel* Rotulo) {
    const QString Estilo = Rotulo->styleSheet();
    return Estilo.mid(Estilo.indexOf(QStringLiteral("#")), 7);
}

} // namespace

class TestePrincipal : public QObject {
    Q_OBJECT

    std::unique_ptr<TEstacaoReal> Estacao;

    QList<QJsonObject> Chamadas(const char* Nome) const { return Estacao->Chamadas(Nome); }
    TArquivoPerfil Ini() const { return TArquivoPerfil(TConfiguracaoEstacao::Arquivo()); }

    // The demonstration's configuration with another server and PIN pad text.
    void GravaConfiguracao(const QString& Host, const QString& PinPad) {
        Estacao->GravaConfiguracaoDemo();
        TArquivoPerfil Arquivo = Ini();
        Arquivo.GravaTexto(Secao, QStringLiteral("HOST_SERVIDOR"), Host);
        Arquivo.GravaTexto(Secao, QStringLiteral("TEXTO_PINPAD"), PinPad);
    }

private Q_SLOTS:
    void init() {
        Estacao = std::make_unique<TEstacaoReal>();
        QVERIFY(Estacao->CliSiTef->Carregada());
    }

    void cleanup() {
        Estacao.reset();
        QCOMPARE(JanelasRestantes(), 0);
    }

    void InicioConfiguraTestaEEscreveNoPinPad() {
        GravaConfiguracao(QStringLiteral("10.0.0.1"), QStringLiteral("Olá, 16 letras!!"));
        auto Janela = Estacao->AbreJanela();

        QCOMPARE(Janela->windowTitle(), QStringLiteral("TEF - Kimbro"));
        QCOMPARE(Janela->size(), QSize(286, 338));
        QCOMPARE(Janela->PageControl->currentIndex(), 0);
        QCOMPARE(Janela->PageControl->tabText(1), QStringLiteral("Configuração"));
        QCOMPARE(Janela->EDT_HOST_SERVIDOR->text(), QStringLiteral("10.0.0.1"));
        QCOMPARE(Janela->EDT_SENHA_TEF->text(), QStringLiteral("1234"));
        QCOMPARE(SenhaSupervisor, QStringLiteral("1234"));
        QCOMPARE(DM_CAIXA_VAREJO.NumeroVias, 1);
        QCOMPARE(DM_CAIXA_VAREJO.HostServidor, QStringLiteral("10.0.0.1"));

        const auto Configuracoes = Chamadas("ConfiguraIntSiTefInterativo");
        QCOMPARE(Configuracoes.size(), 1);
        QCOMPARE(Configuracoes[0][QStringLiteral("ip")].toString(), QStringLiteral("10.0.0.1"));
        QCOMPARE(Configuracoes[0][QStringLiteral("loja")].toString(), QStringLiteral("00000000"));
        QCOMPARE(Configuracoes[0][QStringLiteral("terminal")].toString(),
                 QStringLiteral("SE000001"));
        // The demonstration's CNPJs, from the file, reach the Ex call.
        QCOMPARE(Configuracoes[0][QStringLiteral("parametros")].toString(),
                 QStringLiteral("[ParmsClient=1=11222333000181;2=12345678000195]"));
        // The library's pending list first, then the silent link test.
        const auto Inicios = Chamadas("IniciaFuncaoSiTefInterativo");
        QCOMPARE(Inicios.size(), 2);
        QCOMPARE(Inicios[0][QStringLiteral("funcao")].toInt(), 130);
        QCOMPARE(Inicios[1][QStringLiteral("funcao")].toInt(), 111);
        QCOMPARE(Inicios[1][QStringLiteral("valor")].toString(), QStringLiteral("0,00"));
        QCOMPARE(Inicios[1][QStringLiteral("operador")].toString(), QStringLiteral("0"));
        QVERIFY(Inicios[1][QStringLiteral("parametros")].isNull());
        QCOMPARE(Chamadas("VerificaPresencaPinPad").size(), 1);
        const QString Mensagem =
            Chamadas("EscreveMensagemPermanentePinPad")[0][QStringLiteral("mensagem")].toString();
        QCOMPARE(Mensagem, QStringLiteral("   TEF Kimbro   |Olá, 16 letras!!"));
        QCOMPARE(Mensagem.size(), 33);

        QVERIFY(Janela->Timer1->isActive());
        QCOMPARE(Janela->Timer1->interval(), 500);
        QCOMPARE(Janela->LBL_STATUS_TEF_A->text(), QStringLiteral("STATUS"));
        Janela->Timer1Timer();
        QCOMPARE(Janela->LBL_STATUS_TEF_A->text(), QStringLiteral("Online"));
        QCOMPARE(CorDoTexto(Janela->LBL_STATUS_TEF_A), QStringLiteral("#008000"));
        QCOMPARE(Janela->LBL_STATUS_PINPAD_A->text(), QStringLiteral("Online"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} - \\d\\d:\\d\\d:\\d\\d$"))
                    .match(Janela->Lbl_Data_hora->text())
                    .hasMatch());
    }

    // Without the client library the status line says why, beside "Dll
    // Inválida" and "Falta Dll": a menu launch shows no standard error.
    void BibliotecaAusenteDizPorQueNaLinhaDeAviso() {
        Estacao.reset();
        TCliSiTef Ausente(QStringLiteral("libclisitef_inexistente.so"));
        Estacao = std::make_unique<TEstacaoReal>(&Ausente);
        {
            auto Janela = Estacao->AbreJanela();
            Janela->Timer1Timer();
            QCOMPARE(Janela->LBL_STATUS_TEF_A->text(), QStringLiteral("Dll Inválida"));
            QCOMPARE(Janela->LBL_STATUS_PINPAD_A->text(), QStringLiteral("Falta Dll"));
            QVERIFY(!Janela->LBL_AVISO->isHidden());
            QVERIFY(!Ausente.Falha().isEmpty());
            QCOMPARE(Janela->LBL_AVISO->text(), Ausente.Falha());
        }
        Estacao.reset();
    }

    void IpInvalidoNaoTestaAComunicacao() {
        qputenv("CLISITEF_SIM_ROTEIRO", Roteiro("ip-invalido.json").toLocal8Bit());
        auto Janela = Estacao->AbreJanela();
        Janela->Timer1Timer();
        QCOMPARE(Janela->LBL_STATUS_TEF_A->text(), QStringLiteral("IP inválido"));
        QCOMPARE(CorDoTexto(Janela->LBL_STATUS_TEF_A), QStringLiteral("#ff0000"));
        QVERIFY(Chamadas("IniciaFuncaoSiTefInterativo").isEmpty());
    }

    void MenosDoisEhOnlineEViraZero() {
        GravaConfiguracao(QStringLiteral("10.0.0.1"), QStringLiteral("x"));
        qputenv("CLISITEF_SIM_ROTEIRO", Roteiro("teste-menos-dois.json").toLocal8Bit());
        auto Janela = Estacao->AbreJanela();
        QCOMPARE(DM_CAIXA_VAREJO.StatusTEF, -2);
        Janela->Timer1Timer();
        QCOMPARE(Janela->LBL_STATUS_TEF_A->text(), QStringLiteral("Online"));
        QCOMPARE(CorDoTexto(Janela->LBL_STATUS_TEF_A), QStringLiteral("#008000"));
        QCOMPARE(DM_CAIXA_VAREJO.StatusTEF, 0);
        // The PIN pad answered 0: no idle text is written.
        QVERIFY(Chamadas("EscreveMensagemPermanentePinPad").isEmpty());
        QCOMPARE(Janela->LBL_STATUS_PINPAD_A->text(), QStringLiteral("Ausente"));
        QCOMPARE(CorDoTexto(Janela->LBL_STATUS_PINPAD_A), QStringLiteral("#ff0000"));
    }

    void PrimeiroInicioSemArquivo() {
        auto Janela = Estacao->AbreJanela();
        for (const QLineEdit* Edicao : std::initializer_list<const QLineEdit*>{
                 Janela->EDT_HOST_SERVIDOR, Janela->EDT_IDENT_EMPRESA, Janela->EDT_IDENT_ESTACAO,
                 Janela->EDT_SENHA_TEF, Janela->EDT_TEXTO_PINPAD}) {
            QCOMPARE(Edicao->text(), QString());
        }
        QVERIFY(!Janela->CHK_QRCODE_TELA->isChecked());
        const auto Configuracoes = Chamadas("ConfiguraIntSiTefInterativo");
        QCOMPARE(Configuracoes.size(), 1);
        QCOMPARE(Configuracoes[0][QStringLiteral("ip")].toString(), QString());
        Janela->Timer1Timer();
        QCOMPARE(Janela->LBL_STATUS_TEF_A->text(), QStringLiteral("IP inválido"));
    }

    void SalvarSoNaoComNao_data() {
        QTest::addColumn<int>("Tecla");
        QTest::addColumn<bool>("Grava");
        QTest::newRow("fechada sem botão") << int(Qt::Key_Escape) << true;
        QTest::newRow("Sim") << int(Qt::Key_S) << true;
        QTest::newRow("Não") << int(Qt::Key_N) << false;
    }

    void SalvarSoNaoComNao() {
        QFETCH(int, Tecla);
        QFETCH(bool, Grava);
        auto Janela = Estacao->AbreJanela();
        Janela->EDT_HOST_SERVIDOR->setText(QStringLiteral("192.168.0.9"));
        Janela->EDT_SENHA_TEF->setText(QString(300, u's'));
        Janela->CHK_QRCODE_TELA->setChecked(true);
        QString Pergunta;
        TRespostaModal Resposta([&](QWidget* D) {
            Pergunta = TextoDaMensagem(D);
            QTest::keyClick(D, static_cast<Qt::Key>(Tecla),
                            Tecla == Qt::Key_Escape ? Qt::NoModifier : Qt::AltModifier);
        });
        Janela->BtnSalvar->click();
        QVERIFY(Resposta.Respondeu());
        QCOMPARE(Pergunta, QStringLiteral("Confirma dados de configuração?"));
        QCOMPARE(QFile::exists(TConfiguracaoEstacao::Arquivo()), Grava);
        if (Grava) {
            QCOMPARE(Ini().LeTexto(Secao, QStringLiteral("HOST_SERVIDOR"), QString()),
                     QStringLiteral("192.168.0.9"));
            QCOMPARE(Ini().LeTexto(Secao, QStringLiteral("senha_tef"), QString()),
                     QString(300, u's'));
            QCOMPARE(Ini().LeTexto(Secao, QStringLiteral("QRCODE_NA_TELA"), QString()),
                     QStringLiteral("1"));
            struct stat Estado {};
            QCOMPARE(
                ::stat(QFile::encodeName(TConfiguracaoEstacao::Arquivo()).constData(), &Estado), 0);
            QCOMPARE(Estado.st_mode & 0777, 0600u);
        }
    }

    void HostEditadoValeSemSalvar() {
        GravaConfiguracao(QStringLiteral("10.0.0.1"), QStringLiteral("x"));
        auto Janela = Estacao->AbreJanela();
        Janela->EDT_HOST_SERVIDOR->setText(QStringLiteral("10.0.0.2"));
        Janela->BtnIniciaTEF->click();
        QCOMPARE(Chamadas("ConfiguraIntSiTefInterativo").last()[QStringLiteral("ip")].toString(),
                 QStringLiteral("10.0.0.2"));
        QCOMPARE(Ini().LeTexto(Secao, QStringLiteral("HOST_SERVIDOR"), QString()),
                 QStringLiteral("10.0.0.1"));
    }

    // A save refused leaves the file as it was, and says why.
    void SalvarRecusadoNaoGrava_data() {
        QTest::addColumn<bool>("SomenteLeitura");
        QTest::addColumn<QString>("Cnpj");
        QTest::addColumn<QString>("Mensagem");
        QTest::newRow("read-only file") << true << QStringLiteral("11.222.333/0001-81")
                                        << QStringLiteral("Unable to write to ");
        QTest::newRow("invalid CNPJ")
            << false << QStringLiteral("11.222.333/0001-82")
            << QStringLiteral(
                   "O campo CNPJ da Loja não é um CNPJ válido: confira os 14 caracteres.");
    }

    void SalvarRecusadoNaoGrava() {
        QFETCH(bool, SomenteLeitura);
        QFETCH(QString, Cnpj);
        QFETCH(QString, Mensagem);
        GravaConfiguracao(QStringLiteral("10.0.0.1"), QStringLiteral("x"));
        const QString Arquivo = TConfiguracaoEstacao::Arquivo();
        if (SomenteLeitura) {
            QFile::setPermissions(Arquivo, QFile::ReadOwner);
            Mensagem += Arquivo;
        }
        QFile Leitura(Arquivo);
        QVERIFY(Leitura.open(QIODevice::ReadOnly));
        const QByteArray Antes = Leitura.readAll();
        auto Janela = Estacao->AbreJanela();
        Janela->EDT_HOST_SERVIDOR->setText(QStringLiteral("10.0.0.2"));
        Janela->EDT_CNPJ_LOJA->setText(Cnpj);
        QString Erro;
        const auto Pergunta = [](QWidget* D) {
            return TextoDaMensagem(D).startsWith(QStringLiteral("Confirma"));
        };
        TRespostaModal Sim([](QWidget* D) { ClicaBotao(D, QStringLiteral("&Sim")); }, 5000,
                           Pergunta);
        TRespostaModal Ok(
            [&](QWidget* E) {
                Erro = TextoDaMensagem(E);
                ClicaBotao(E, QStringLiteral("&Ok"));
            },
            5000, [&](QWidget* D) { return !Pergunta(D); });
        Janela->BtnSalvar->click();
        QCOMPARE(Erro, Mensagem);
        QFile Depois(Arquivo);
        QVERIFY(Depois.open(QIODevice::ReadOnly));
        QCOMPARE(Depois.readAll(), Antes);
    }

    // "Movimento TEF" is made, hidden, once the start has ended and kept
    // between openings; each opening shows today as the journal has it
    // then, the list in the focus, whatever day and control it was left on.
    void MovimentoReabertoMostraHoje() {
        const QDate Hoje(2026, 12, 8);
        Relogio::Define([&] { return QDateTime(Hoje, QTime(18, 0)); });
        const auto Fim = qScopeGuard([] { Relogio::Define({}); });
        auto Janela = Estacao->AbreJanela();
        struct {
            QPointer<QWidget> Janela;
            int Linhas = -1, Atual = -1;
            QDate Dia;
            bool FocoNaLista = false;
        } Aberturas[2];
        const auto Abre = [&](auto& Abertura) {
            TRespostaModal Resposta([&](QWidget* D) {
                auto* Movimento = qobject_cast<TManCaixaTefMovimento*>(D);
                Abertura = {D, Movimento->GRD_MOVIMENTO->Quantidade(),
                            Movimento->GRD_MOVIMENTO->Atual(), Movimento->EDT_DATA->date(),
                            QApplication::focusWidget() == Movimento->GRD_MOVIMENTO};
                Movimento->EDT_DATA->setDate(Hoje.addDays(-1));
                Movimento->BtnFechar->setFocus();
                QTest::keyClick(Movimento->GRD_MOVIMENTO, Qt::Key_Escape);
            });
            Janela->BtnMovimentoTEF->click();
            QVERIFY(Resposta.Respondeu());
        };
        QPointer<TManCaixaTefMovimento> Feita;
        QTRY_VERIFY((Feita = Janela->findChild<TManCaixaTefMovimento*>()) != nullptr);
        QVERIFY(!Feita->isVisible());
        Abre(Aberturas[0]);
        TLancamentoTEF L;
        L.Documento = QStringLiteral("900");
        L.Data = Hoje.toString(QStringLiteral("yyyyMMdd"));
        L.Hora = QStringLiteral("104200");
        Estacao->Livro.Inicia(L);
        Abre(Aberturas[1]);
        QVERIFY(Aberturas[0].Janela == Feita && Aberturas[1].Janela == Feita);
        QCOMPARE(Aberturas[1].Linhas, Aberturas[0].Linhas + 1);
        QCOMPARE(Aberturas[1].Atual, Aberturas[1].Linhas - 1);
        QCOMPARE(Aberturas[1].Dia, Hoje);
        QVERIFY(Aberturas[0].FocoNaLista && Aberturas[1].FocoNaLista);
    }

    void FecharEncerra() {
        auto Janela = Estacao->AbreJanela();
        Janela->NPushButton1->click();
        QVERIFY(!Janela->isVisible());
    }
};

QTEST_MAIN(TestePrincipal)
#include "teste_principal.moc"
