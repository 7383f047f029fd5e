// Whole sales from the main window's "Ok": the real binding and the
// simulator's demo, the operator answering the real dialogs, the receipt
// printed to the private CUPS queue.
#include "ArquivoPerfil.h"
#include "CliSiTef.h"
#include "ConfirmacaoTEF.h"
#include "Diario.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "InterfaceRelatorioQt.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "Modais.h"
#include "NDialog.h"
#include "NFloatEdit.h"
#include "NPrintDialog.h"
#include "NPushButton.h"
#include "OperadorTEFQt.h"
#include "PastaDeTrabalho.h"
#include "TelaPrincipal.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <cups/cups.h>
#include <memory>

namespace {

class TOperadorSemPausa : public TOperadorTEFQt {
public:
    int Pausas = 0;
    void Pausa(int Milissegundos) override { Pausas += Milissegundos; }
};

void Clica(QWidget* Controle) {
    QTest::mouseClick(Controle->window()->windowHandle(), Qt::LeftButton, {},
                      Controle->mapTo(Controle->window(), Controle->rect().center()));
}

// The cashier in front of the station: answers every modal window that
// opens, as long as it lives.
class TCaixa : public QObject {
public:
    QString Cartao = QStringLiteral("4111111111111111");
    // Runs when the menu of payment types opens, in the middle of the sale.
    std::function<void()> DuranteAVenda;
    bool Imprime = true;
    QStringList Mensagens;

    TCaixa() {
        FRelogio.setInterval(20);
        QObject::connect(&FRelogio, &QTimer::timeout, this, [this] { Olha(); });
        FRelogio.start();
    }

private:
    void Olha() {
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

    void Atende(QWidget* Modal) {
        // The window system gives the keyboard to the dialog that opens.
        QApplication::setActiveWindow(Modal);
        if (auto* Menu = qobject_cast<TManCaixaTefMenu*>(Modal)) {
            if (DuranteAVenda) {
                DuranteAVenda();
            }
            QTest::keyClick(Menu->focusWidget() != nullptr ? Menu->focusWidget() : Menu, Qt::Key_1);
        } else if (auto* Coleta = qobject_cast<TManCaixaTefColeta*>(Modal)) {
            const QString Titulo = Coleta->LBL_TITULO->text();
            QString Valor = QStringLiteral("123");
            if (Titulo.contains(QStringLiteral("número do cartão"))) {
                Valor = Cartao;
            } else if (Titulo.contains(QStringLiteral("vencimento"))) {
                Valor = QStringLiteral("1228");
            }
            Coleta->EdtColeta->setFocus();
            QTest::keyClicks(Coleta->EdtColeta, Valor);
            QTest::keyClick(Coleta->EdtColeta, Qt::Key_Return);
        } else if (auto* Impressao = qobject_cast<TFPrintDialog*>(Modal)) {
            Clica(Imprime ? Impressao->FPrintButton : Impressao->FCancelButton);
        } else if (qobject_cast<TDialog*>(Modal) != nullptr) {
            const QString Texto = TextoDaMensagem(Modal).trimmed();
            Mensagens.append(Texto);
            ClicaBotao(Modal, Texto.startsWith(QStringLiteral("Confirma o valor"))
                                  ? QStringLiteral("&Sim")
                              : Texto.contains(QStringLiteral("não foi impresso"))
                                  ? QStringLiteral("&Não")
                                  : QStringLiteral("&Ok"));
        }
    }

    QTimer FRelogio;
    QPointer<QWidget> FUltimo;
    bool FOcupado = false;
};

QString Texto(const QJsonObject& Linha, const char* Chave) {
    return Linha.value(QString::fromLatin1(Chave)).toString();
}

} // namespace

class TesteVendaIntegrada : public QObject {
    Q_OBJECT

    std::unique_ptr<TPastaDeTrabalho> Pasta;
    std::unique_ptr<TCliSiTef> CliSiTef;
    std::unique_ptr<TOperadorSemPausa> Operador;
    std::unique_ptr<TAmbienteTEF> Ambiente;
    std::unique_ptr<TInterfaceRelatorioQt> Interface;
    std::unique_ptr<TDM_TEF> Modulo;
    std::unique_ptr<TCaixa> Caixa;

    QString CaminhoDiario() const { return Pasta->Caminho(QStringLiteral("diario.jsonl")); }
    QList<QJsonObject> Diario() const { return LeDiario(CaminhoDiario()); }
    QList<QJsonObject> Chamadas(const char* Nome) const {
        return ::Chamadas(Diario(), QString::fromLatin1(Nome));
    }
    QString PastaSaida() const {
        return QFileInfo(QString::fromLocal8Bit(qgetenv("CUPS_SERVER")))
            .dir()
            .filePath(QStringLiteral("saida"));
    }
    QStringList Trabalhos() const {
        return QDir(PastaSaida()).entryList({QStringLiteral("job-*.prn")}, QDir::Files, QDir::Time);
    }

    std::unique_ptr<TForm_Principal> Estacao() {
        auto Janela = std::make_unique<TForm_Principal>(*Ambiente);
        Janela->show();
        return Janela;
    }

    void Vende(TForm_Principal& Janela, const QString& Valor) {
        Janela.EDT_VALOR->setText(Valor);
        Janela.BtnIniciaTransacao->click();
    }

private Q_SLOTS:
    void init() {
        Pasta = std::make_unique<TPastaDeTrabalho>();
        qputenv("XDG_CONFIG_HOME", Pasta->Caminho(QStringLiteral("config")).toLocal8Bit());
        qputenv("CLISITEF_SIM_DIARIO", CaminhoDiario().toLocal8Bit());
        qunsetenv("CLISITEF_SIM_ROTEIRO");
        cupsSetServer(nullptr);
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        DM_CAIXA_VAREJO = TDM_CAIXA_VAREJO();
        TArquivoPerfil Ini(TForm_Principal::ArquivoConfiguracao());
        Ini.GravaTexto(QStringLiteral("CONF_TEF"), QStringLiteral("HOST_SERVIDOR"),
                       QStringLiteral("127.0.0.1"));
        Ini.GravaTexto(QStringLiteral("CONF_TEF"), QStringLiteral("IDENT_EMPRESA"),
                       QStringLiteral("00000000"));
        Ini.GravaTexto(QStringLiteral("CONF_TEF"), QStringLiteral("IDENT_ESTACAO"),
                       QStringLiteral("SE000001"));
        CliSiTef = std::make_unique<TCliSiTef>();
        Operador = std::make_unique<TOperadorSemPausa>();
        Ambiente = std::make_unique<TAmbienteTEF>(TAmbienteTEF{*CliSiTef, *Operador});
        Interface = std::make_unique<TInterfaceRelatorioQt>();
        Modulo = std::make_unique<TDM_TEF>(*Ambiente, Interface.get());
        DM_TEF = Modulo.get();
        Caixa = std::make_unique<TCaixa>();
    }

    void cleanup() {
        Caixa.reset();
        DM_TEF = nullptr;
        Modulo.reset();
        Interface.reset();
        Ambiente.reset();
        Operador.reset();
        CliSiTef.reset();
        Pasta.reset();
        QCOMPARE(JanelasRestantes(), 0);
    }

    void VendaAprovadaImpressaEConfirmada() {
        auto Janela = Estacao();
        const QStringList Antes = Trabalhos();
        bool Bloqueada = false;
        Caixa->DuranteAVenda = [&] {
            // No second sale, no new TEF start and no closing in the middle of this one.
            Bloqueada = !Janela->BtnIniciaTransacao->isEnabled() &&
                        !Janela->BtnIniciaTEF->isEnabled() && !Janela->NPushButton1->isEnabled() &&
                        !Janela->close() && Janela->isVisible();
            Janela->BtnIniciaTransacao->click();
        };
        Vende(*Janela, QStringLiteral("12,34"));

        const auto Inicios = Chamadas("IniciaFuncaoSiTefInterativo");
        QVERIFY(!Inicios.isEmpty());
        const QJsonObject Venda = Inicios.last();
        QCOMPARE(Venda[QStringLiteral("funcao")].toInt(), 0);
        QCOMPARE(Texto(Venda, "valor"), QStringLiteral("        12,34"));
        QCOMPARE(Texto(Venda, "operador"), QStringLiteral("999"));
        QCOMPARE(Texto(Venda, "parametros"), QStringLiteral("[]"));
        QCOMPARE(Janela->EDT_IDENT_TRANS->text(), Texto(Venda, "cupom"));

        QStringList Respostas;
        for (const QJsonObject& Linha : Chamadas("ContinuaFuncaoSiTefInterativo")) {
            QCOMPARE(Linha[QStringLiteral("tamanho")].toInt(), 30001);
            Respostas.append(Texto(Linha, "buffer"));
        }
        for (const QString& Resposta :
             {QStringLiteral("1"), QStringLiteral("4111111111111111"), QStringLiteral("1228"),
              QStringLiteral("123"), QStringLiteral("0")}) {
            QVERIFY2(Respostas.contains(Resposta), qPrintable(Resposta));
        }
        QCOMPARE(Operador->Pausas, 2000);

        const auto Confirmacoes = Chamadas("FinalizaTransacaoSiTefInterativo");
        QCOMPARE(Confirmacoes.size(), 1);
        QCOMPARE(Confirmacoes[0][QStringLiteral("confirma")].toInt(), 1);
        QCOMPARE(Texto(Confirmacoes[0], "cupom"), Texto(Venda, "cupom"));
        QCOMPARE(Texto(Confirmacoes[0], "data"), Texto(Venda, "data"));
        QCOMPARE(Texto(Confirmacoes[0], "hora"), Texto(Venda, "hora"));
        QCOMPARE(Chamadas("Bematech_FI_FinalizaModoTEF").size(), 1);
        QVERIFY(!QFile::exists(ArquivoPendencia));

        const QByteArray Cupom = Pasta->Le(QStringLiteral("CUPOM.TXT"));
        QVERIFY(Cupom.contains("VIA DO CLIENTE") && Cupom.contains("\r\nloja\r\n"));
        QVERIFY(Pasta->Le(QStringLiteral("Tef.txt")).contains("VIA DO ESTABELECIMENTO"));
        QTRY_COMPARE(Trabalhos().size(), Antes.size() + 1);
        QFile Trabalho(QDir(PastaSaida()).filePath(Trabalhos().front()));
        QVERIFY(Trabalho.open(QIODevice::ReadOnly));
        const QByteArray Bytes = Trabalho.readAll();
        QVERIFY(Bytes.startsWith("\x0f\x1b\x32\r\n "));
        QVERIFY(Bytes.contains("SIMULA\xc7\xc3O"));
        QVERIFY(Bytes.contains(" cliente"));
        QVERIFY(Bytes.endsWith("\x0c\r\n"));
        QCOMPARE(DM_CAIXA_VAREJO.StatusTEF, 0);
        QVERIFY(Bloqueada);
        QCOMPARE(Inicios.size(), 2); // the start's communication test and this one sale
        QVERIFY(Janela->BtnIniciaTransacao->isEnabled());
    }

    void VendaRecusadaNaoImprimeNemConfirma() {
        Caixa->Cartao = QStringLiteral("4000000000000002");
        auto Janela = Estacao();
        Vende(*Janela, QStringLiteral("50,00"));
        QCOMPARE(Caixa->Mensagens,
                 QStringList{QStringLiteral(
                     "Transação não autorizada pelo emissor: saldo insuficiente (51)")});
        QVERIFY(Chamadas("FinalizaTransacaoSiTefInterativo").isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral("CUPOM.TXT")));
    }

    void SemComunicacao() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/sem-comunicacao.json"));
        auto Janela = Estacao();
        Vende(*Janela, QStringLiteral("1,00"));
        QCOMPARE(Caixa->Mensagens, QStringList{QStringLiteral("Sem comunicação com o Sitef.")});
    }

    void ImpressaoCanceladaDesfazAVenda() {
        Caixa->Imprime = false;
        auto Janela = Estacao();
        Vende(*Janela, QStringLiteral("7,00"));
        QCOMPARE(Caixa->Mensagens,
                 (QStringList{QStringLiteral("Confirma o valor de R$ 7,00?"),
                              QStringLiteral("Cupom TEF não foi impresso. Tentar novamente?"),
                              QStringLiteral("Transação TEF não efetuada. Favor reter o Cupom.")}));
        const auto Confirmacoes = Chamadas("FinalizaTransacaoSiTefInterativo");
        QCOMPARE(Confirmacoes.size(), 1);
        QCOMPARE(Confirmacoes[0][QStringLiteral("confirma")].toInt(), 0);
        QCOMPARE(Texto(Confirmacoes[0], "cupom"), Janela->EDT_IDENT_TRANS->text());
        QVERIFY(!QFile::exists(ArquivoPendencia));
    }

    void QuedaDepoisDaAprovacaoEhDesfeitaNoInicio() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/voltar.json"));
        QProcess Anterior;
        Anterior.start(QStringLiteral(TK_VENDA_PENDENTE), {});
        QVERIFY(Anterior.waitForFinished(20000));
        QCOMPARE(Anterior.exitCode(), 0);
        const QString Documento = QString::fromLatin1(Anterior.readAllStandardOutput()).trimmed();
        QVERIFY(QFile::exists(ArquivoPendencia));

        qunsetenv("CLISITEF_SIM_ROTEIRO");
        auto Janela = Estacao();
        QCOMPARE(Caixa->Mensagens,
                 QStringList{QStringLiteral(
                                 "Transação TEF não efetuada. Favor reter o Cupom.\nDocumento: ") +
                             Documento});
        const auto Confirmacoes = Chamadas("FinalizaTransacaoSiTefInterativo");
        QCOMPARE(Confirmacoes.size(), 1);
        QCOMPARE(Confirmacoes[0][QStringLiteral("confirma")].toInt(), 0);
        QCOMPARE(Texto(Confirmacoes[0], "cupom"), Documento);
        bool Desfeita = false;
        for (const QJsonObject& Linha : Diario()) {
            Desfeita = Desfeita || (Texto(Linha, "evento") == QStringLiteral("desfeita") &&
                                    Texto(Linha, "cupom") == Documento);
        }
        QVERIFY(Desfeita);
        QVERIFY(!QFile::exists(ArquivoPendencia));
        // The sequence goes on after the number spent by the start's test.
        QCOMPARE(ProximaSequencia(), Documento.toInt() + 2);
    }
};

QTEST_MAIN(TesteVendaIntegrada)
#include "teste_venda_integrada.moc"
