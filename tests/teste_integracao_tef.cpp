// Whole sales from the main window's "Ok" and whole functions from its TEF
// functions menu: the real binding and the simulator's demo, the operator
// answering the real dialogs, the receipt printed to the private CUPS queue.
#include "Caixa.h"
#include "CicloTransacao.h"
#include "Diario.h"
#include "DiarioTEF.h"
#include "EstacaoReal.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "MAN_CAIXA_TEF_QRCODE.h"
#include "Modais.h"
#include "NDialog.h"
#include "NFloatEdit.h"
#include "NPrintDialog.h"
#include "NPushButton.h"
#include "Relogio.h"
#include "TelaPrincipal.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cups/cups.h>
#include <memory>

namespace {

QString Texto(const QJsonObject& Linha, const char* Chave) {
    return Linha.value(QString::fromLatin1(Chave)).toString();
}

} // namespace

class TesteIntegracaoTEF : public QObject {
    Q_OBJECT

    std::unique_ptr<TEstacaoReal> Estacao;
    std::unique_ptr<TCaixa> Caixa;

    QList<QJsonObject> Diario() const { return LeDiario(Estacao->CaminhoDiario()); }
    QList<QJsonObject> Chamadas(const char* Nome) const { return Estacao->Chamadas(Nome); }
    QString PastaSaida() const {
        return QFileInfo(QString::fromLocal8Bit(qgetenv("CUPS_SERVER")))
            .dir()
            .filePath(QStringLiteral("saida"));
    }
    QStringList Trabalhos() const {
        return QDir(PastaSaida()).entryList({QStringLiteral("job-*.prn")}, QDir::Files, QDir::Time);
    }
    // The queue's backend writes a job a moment after CUPS accepts it: a
    // test that counts jobs starts from a queue with none still active.
    static bool FilaParada() {
        cups_job_t* Ativos = nullptr;
        const int Quantos =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &Ativos, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(Quantos, Ativos);
        return Quantos == 0;
    }

    using TRespostas = QList<std::pair<int, QString>>;

    // Each command that asks the operator, with the reply the station handed
    // in at the next continuation.
    TRespostas Respostas() const {
        const QList<QJsonObject> Linhas = Chamadas("ContinuaFuncaoSiTefInterativo");
        TRespostas Lista;
        for (qsizetype I = 0; I + 1 < Linhas.size(); ++I) {
            const int Comando = Linhas[I][QStringLiteral("comando")].toInt();
            if (Comando == 20 || Comando == 21 || (Comando >= 30 && Comando <= 35)) {
                Lista.append({Comando, Texto(Linhas[I + 1], "buffer")});
            }
        }
        return Lista;
    }

    // The start call of the last function Funcao opened.
    QJsonObject Inicio(int Funcao) const {
        QJsonObject Ultimo;
        for (const QJsonObject& Linha : Chamadas("IniciaFuncaoSiTefInterativo")) {
            if (Linha[QStringLiteral("funcao")].toInt() == Funcao) {
                Ultimo = Linha;
            }
        }
        return Ultimo;
    }

    // The confirmations that name the document of Inicio: (confirma, data + hora).
    QList<std::pair<int, QString>> Finalizacoes(const QJsonObject& Inicio) const {
        QList<std::pair<int, QString>> Lista;
        for (const QJsonObject& Linha : Chamadas("FinalizaTransacaoSiTefInterativo")) {
            if (Texto(Linha, "cupom") == Texto(Inicio, "cupom")) {
                Lista.append({Linha[QStringLiteral("confirma")].toInt(),
                              Texto(Linha, "data") + Texto(Linha, "hora")});
            }
        }
        return Lista;
    }

    QByteArray UltimoTrabalho() const {
        QFile Trabalho(QDir(PastaSaida()).filePath(Trabalhos().front()));
        return Trabalho.open(QIODevice::ReadOnly) ? Trabalho.readAll() : QByteArray();
    }

    // Opens the TEF functions menu, where the cashier presses the letters.
    void Menu(TForm_Principal& Janela, std::initializer_list<Qt::Key> Letras) {
        Caixa->Funcoes = Letras;
        Janela.PageControl->setCurrentIndex(1);
        Janela.BtnTestaTEF->click();
        QVERIFY(Caixa->Funcoes.empty());
    }

    void Vende(TForm_Principal& Janela, const QString& Valor) {
        Janela.EDT_VALOR->setText(Valor);
        Janela.BtnIniciaTransacao->click();
    }

private Q_SLOTS:
    void init() {
        Estacao = std::make_unique<TEstacaoReal>();
        Estacao->GravaConfiguracaoDemo();
        Caixa = std::make_unique<TCaixa>();
    }

    void cleanup() {
        QTRY_VERIFY(FilaParada());
        Caixa.reset();
        Estacao.reset();
        QCOMPARE(JanelasRestantes(), 0);
    }

    void VendaAprovadaImpressaEConfirmada() {
        auto Janela = Estacao->AbreJanela();
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

        for (const QJsonObject& Linha : Chamadas("ContinuaFuncaoSiTefInterativo")) {
            QCOMPARE(Linha[QStringLiteral("tamanho")].toInt(), 30001);
        }
        QCOMPARE(Respostas(),
                 (TRespostas{
                     {21, "1"}, {30, "************1111"}, {30, "1228"}, {30, "123"}, {20, "0"}}));
        QCOMPARE(Estacao->Operador.Pausas, 2000);

        const auto Confirmacoes = Chamadas("FinalizaTransacaoSiTefInterativo");
        QCOMPARE(Confirmacoes.size(), 1);
        QCOMPARE(Confirmacoes[0][QStringLiteral("confirma")].toInt(), 1);
        QCOMPARE(Texto(Confirmacoes[0], "cupom"), Texto(Venda, "cupom"));
        QCOMPARE(Texto(Confirmacoes[0], "data"), Texto(Venda, "data"));
        QCOMPARE(Texto(Confirmacoes[0], "hora"), Texto(Venda, "hora"));
        QCOMPARE(Chamadas("Bematech_FI_FinalizaModoTEF").size(), 1);
        QVERIFY(Estacao->Livro.Abertos().empty());

        const QByteArray Cupom = Estacao->Pasta.Le(QStringLiteral("CUPOM.TXT"));
        QVERIFY(Cupom.contains("VIA DO CLIENTE") && Cupom.contains("\r\nloja\r\n"));
        QVERIFY(Estacao->Pasta.Le(QStringLiteral("Tef.txt")).contains("VIA DO ESTABELECIMENTO"));
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
        // The start's pending list and communication test, and this one sale.
        QCOMPARE(Inicios.size(), 3);
        QVERIFY(Janela->BtnIniciaTransacao->isEnabled());
        // The next amount typed replaces this one.
        QCOMPARE(Janela->focusWidget(), Janela->EDT_VALOR);
        QCOMPARE(Janela->EDT_VALOR->selectedText(), QStringLiteral("12,34"));
    }

    // A TEF log that cannot be written (a file where its folder should be)
    // never stops a sale: the status line says so, once.
    void LogQueNaoSeGravaNaoParaAVenda() {
        Estacao->Pasta.Grava(QStringLiteral("log"), "não é uma pasta");
        DiarioTEF::Inicia(QDir::current(), DiarioTEF::RetencaoPadrao);
        auto Janela = Estacao->AbreJanela();
        Vende(*Janela, QStringLiteral("4,00"));
        QCOMPARE(Finalizacoes(Inicio(0)).size(), 1);
        QTRY_VERIFY(Janela->LBL_AVISO->isVisible());
        QVERIFY(Janela->LBL_AVISO->text().startsWith(QStringLiteral("Não foi possível")));
        QVERIFY(Caixa->Mensagens.filter(QStringLiteral("log")).isEmpty());
        DiarioTEF::Encerra();
    }

    // A newer library's steps, carrying a card number, around every step of
    // a sale: it is confirmed, the day log names their codes, and nothing
    // the station wrote holds their data.
    void VendaComPassosDesconhecidos() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/desconhecidos.json"));
        DiarioTEF::Inicia(QDir::current(), DiarioTEF::RetencaoPadrao);
        auto Janela = Estacao->AbreJanela();
        Vende(*Janela, QStringLiteral("12,34"));
        DiarioTEF::Encerra();
        QCOMPARE(Finalizacoes(Inicio(0)).value(0).first, 1);
        const QByteArray Log = Estacao->Pasta.Le(
            QDate::currentDate().toString(QStringLiteral("'log/tef-'yyyyMMdd'.log'")));
        QVERIFY(Log.contains("comando 0 tipoCampo 9999") && Log.contains("comando 9998"));
        for (QDirIterator Arquivos(QDir::currentPath(), QDir::Files, QDirIterator::Subdirectories);
             Arquivos.hasNext();) {
            QFile Lido(Arquivos.next());
            QVERIFY2(Lido.fileName().endsWith(QStringLiteral("/diario.jsonl")) ||
                         (Lido.open(QIODevice::ReadOnly) && !Lido.readAll().contains("DADO NOVO")),
                     qPrintable(Lido.fileName()));
        }
    }

    // PIX from the demo's menu with "QR Code na tela": the library is asked
    // for the code, which is shown while it waits, removed, the sale printed
    // and confirmed.
    void VendaPixAprovada() {
        Caixa->Opcoes = {Qt::Key_3};
        auto Janela = Estacao->AbreJanela();
        Janela->CHK_QRCODE_TELA->setChecked(true);
        Vende(*Janela, QStringLiteral("12,34"));
        QCOMPARE(Texto(Inicio(0), "parametros"), QStringLiteral("[];{DevolveStringQRCode=1;}"));
        QCOMPARE(Caixa->QRCodes.size(), 1);
        const QStringList Lado = Caixa->QRCodes.front().split(u'x');
        QVERIFY(Lado[0].toInt() >= 240 && Lado[0] == Lado[1]);
        // Removed by command 51: no QR code window is left.
        const QWidgetList Janelas = QApplication::topLevelWidgets();
        QVERIFY(std::none_of(Janelas.begin(), Janelas.end(), [](QWidget* W) {
            return qobject_cast<TManCaixaTefQRCode*>(W) != nullptr;
        }));
        const QJsonObject Venda = Inicio(0);
        QCOMPARE(Finalizacoes(Venda).size(), 1);
        QCOMPARE(Finalizacoes(Venda).front().first, 1);
        QTRY_VERIFY(!Trabalhos().isEmpty() && UltimoTrabalho().contains("PAGAMENTO PIX"));
    }

    // The operator gives up from the QR code's window: the library is told
    // at its next wait (continuation -1, the code still shown) and nothing is
    // confirmed.
    void VendaPixAbandonadaNoQRCode() {
        Caixa->Opcoes = {Qt::Key_3};
        Caixa->AbandonaPix = true;
        auto Janela = Estacao->AbreJanela();
        Janela->CHK_QRCODE_TELA->setChecked(true);
        Vende(*Janela, QStringLiteral("12,34"));
        QCOMPARE(Caixa->QRCodes.size(), 1);
        int Comando = 0;
        bool InterrompidaComOCodigo = false;
        for (const QJsonObject& Linha : Chamadas("ContinuaFuncaoSiTefInterativo")) {
            InterrompidaComOCodigo =
                InterrompidaComOCodigo ||
                (Linha[QStringLiteral("continua")].toInt() == -1 && Comando == 23);
            Comando = Linha[QStringLiteral("comando")].toInt();
        }
        QVERIFY(InterrompidaComOCodigo);
        QVERIFY(Finalizacoes(Inicio(0)).isEmpty());
        QVERIFY(Caixa->Mensagens.contains(QStringLiteral("Operação cancelada pelo operador.")));
    }

    // A sale paid in parts, credit then PIX: both approved under the sale's
    // one document, both receipts in one job in the order they were
    // approved, one finish call. Then a sale given up after its first part:
    // one undo for its document.
    void VendaEmPartes() {
        Caixa->Opcoes = {Qt::Key_1, Qt::Key_3};
        auto Janela = Estacao->AbreJanela();
        Janela->CHK_QRCODE_TELA->setChecked(true);
        const qsizetype Antes = Trabalhos().size();
        Janela->EDT_VALOR->setText(QStringLiteral("100,00"));
        Janela->BtnDividir->click();
        QCOMPARE(Janela->EDT_VALOR->text(), QStringLiteral("100,00"));
        Vende(*Janela, QStringLiteral("60,00"));
        QVERIFY(Janela->LBL_PARTES->text().contains(QStringLiteral("Parte 1: R$ 60,00 aprovada")));
        QCOMPARE(Janela->EDT_VALOR->text(), QStringLiteral("40,00"));
        QVERIFY(Chamadas("FinalizaTransacaoSiTefInterativo").isEmpty());
        Janela->BtnIniciaTransacao->click();
        QVERIFY(!Janela->VendaEmPartes);
        QCOMPARE(Caixa->QRCodes.size(), 1);
        const QList<QJsonObject> Inicios = Chamadas("IniciaFuncaoSiTefInterativo");
        const QString Documento = Texto(Inicios.last(), "cupom");
        QCOMPARE(Texto(Inicios[Inicios.size() - 2], "cupom"), Documento);
        QCOMPARE(Finalizacoes(Inicios.last()),
                 (QList<std::pair<int, QString>>{
                     {1, Texto(Inicios.last(), "data") + Texto(Inicios.last(), "hora")}}));
        QTRY_COMPARE(Trabalhos().size(), Antes + 1);
        // The library kept the first part pending while the second started.
        for (const QJsonObject& Linha : Diario()) {
            QVERIFY(Texto(Linha, "evento") != QStringLiteral("desfeita"));
        }
        // Each receipt with its customer's and its store's copy.
        const QByteArray Recibo = UltimoTrabalho();
        QCOMPARE(Recibo.count("VALOR APROVADO"), 2);
        QCOMPARE(Recibo.count("PAGAMENTO PIX"), 2);
        QVERIFY(Recibo.indexOf("VALOR APROVADO") < Recibo.indexOf("PAGAMENTO PIX"));

        Janela->EDT_VALOR->setText(QStringLiteral("30,00"));
        Janela->BtnDividir->click();
        Vende(*Janela, QStringLiteral("10,00"));
        Janela->BtnDividir->click(); // "Cancelar venda"
        const QJsonObject Desistida = Chamadas("IniciaFuncaoSiTefInterativo").last();
        QCOMPARE(Finalizacoes(Desistida).size(), 1);
        QCOMPARE(Finalizacoes(Desistida).front().first, 0);
        QVERIFY(Caixa->Mensagens.last().endsWith(QStringLiteral("Partes desfeitas: R$ 10,00")));
        QTRY_COMPARE(Trabalhos().size(), Antes + 1);
    }

    // Without "QR Code na tela" the start call carries "[]" alone: the
    // library keeps the code on the PIN pad and the station shows no window,
    // only the library's message; the sale is confirmed as any other.
    void VendaPixComQRCodeNoPinPad() {
        Caixa->Opcoes = {Qt::Key_3};
        auto Janela = Estacao->AbreJanela();
        Vende(*Janela, QStringLiteral("12,34"));
        QCOMPARE(Texto(Inicio(0), "parametros"), QStringLiteral("[]"));
        QVERIFY(Caixa->QRCodes.isEmpty());
        const QList<QJsonObject> Continuacoes = Chamadas("ContinuaFuncaoSiTefInterativo");
        QVERIFY(std::any_of(Continuacoes.begin(), Continuacoes.end(), [](const QJsonObject& L) {
            return Texto(L, "texto").startsWith(QStringLiteral("QR Code no PIN pad"));
        }));
        QCOMPARE(Finalizacoes(Inicio(0)).size(), 1);
        QCOMPARE(Finalizacoes(Inicio(0)).front().first, 1);
    }

    void VendaRecusadaNaoImprimeNemConfirma() {
        Caixa->Cartao = QStringLiteral("4000000000000002");
        auto Janela = Estacao->AbreJanela();
        const QStringList Antes = Trabalhos();
        Vende(*Janela, QStringLiteral("50,00"));
        QCOMPARE(Caixa->Mensagens,
                 QStringList{QStringLiteral(
                     "Transação não autorizada pelo emissor: saldo insuficiente (51)")});
        QCOMPARE(
            Chamadas("ContinuaFuncaoSiTefInterativo").last()[QStringLiteral("resultado")].toInt(),
            5);
        QVERIFY(Chamadas("FinalizaTransacaoSiTefInterativo").isEmpty());
        QVERIFY(!QFile::exists(QStringLiteral("CUPOM.TXT")));
        QCOMPARE(Trabalhos(), Antes);
    }

    // The SiTef out of reach: the start's test already says so in the
    // status, and a sale tried anyway is told once and leaves nothing
    // printed, saved or open.
    void SemComunicacao() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/sem-link.json"));
        auto Janela = Estacao->AbreJanela();
        Janela->Timer1Timer();
        QCOMPARE(Janela->LBL_STATUS_TEF_A->text(), QStringLiteral("Sem comunicação"));
        const QStringList Antes = Trabalhos();
        Vende(*Janela, QStringLiteral("1,00"));
        QCOMPARE(Inicio(0)[QStringLiteral("resultado")].toInt(), -5);
        QCOMPARE(Caixa->Mensagens, QStringList{QStringLiteral("Sem comunicação com o Sitef.")});
        QVERIFY(Chamadas("FinalizaTransacaoSiTefInterativo").isEmpty());
        QVERIFY(!QFile::exists(ArquivoCupom));
        QCOMPARE(Trabalhos(), Antes);
        QVERIFY(Estacao->Livro.Abertos().empty());
    }

    void ImpressaoCanceladaDesfazAVenda() {
        Caixa->Imprime = false;
        auto Janela = Estacao->AbreJanela();
        Vende(*Janela, QStringLiteral("7,00"));
        QCOMPARE(Caixa->Mensagens,
                 (QStringList{QStringLiteral("Confirma o valor de R$ 7,00?"),
                              QStringLiteral("Cupom TEF não foi impresso. Tentar novamente?"),
                              QStringLiteral("Transação TEF não efetuada. Favor reter o Cupom.")}));
        const auto Confirmacoes = Chamadas("FinalizaTransacaoSiTefInterativo");
        QCOMPARE(Confirmacoes.size(), 1);
        QCOMPARE(Confirmacoes[0][QStringLiteral("confirma")].toInt(), 0);
        QCOMPARE(Texto(Confirmacoes[0], "cupom"), Janela->EDT_IDENT_TRANS->text());
        QVERIFY(Estacao->Livro.Abertos().empty());
    }

    // Without field type 105 the sale is confirmed with its own start
    // moment; a second sale replaces "CUPOM.TXT" whole.
    void SemCampo105EOutraVendaSubstituiOCupom() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/sem-105.json"));
        auto Janela = Estacao->AbreJanela();
        Vende(*Janela, QStringLiteral("123,45"));
        QVERIFY(Estacao->Pasta.Le(ArquivoCupom).contains("123,45"));
        DM_CAIXA_VAREJO.DataHoraTransacao = QStringLiteral("20000101000000");
        Vende(*Janela, QStringLiteral("2,00"));
        const QJsonObject Segunda = Inicio(0);
        QCOMPARE(Finalizacoes(Segunda), (QList<std::pair<int, QString>>{
                                            {1, Texto(Segunda, "data") + Texto(Segunda, "hora")}}));
        QCOMPARE(Estacao->Pasta.Le(ArquivoCupom),
                 (" VIA DO CLIENTE DOC " + Texto(Segunda, "cupom") + " R$ 2,00\r\n").toLatin1());
    }

    // A sale started at the last millisecond of a day keeps that day in its
    // start, its movement date and its confirmation.
    void VendaDaMeiaNoiteFicaNoSeuDia() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/sem-105.json"));
        auto Janela = Estacao->AbreJanela();
        QDateTime Leitura(QDate(2026, 12, 8), QTime(23, 59, 59, 999));
        Relogio::Define([&Leitura] {
            const QDateTime Lida = Leitura;
            Leitura = Leitura.addMSecs(1);
            return Lida;
        });
        Vende(*Janela, QStringLiteral("1,00"));
        Relogio::Define({});
        const QJsonObject Venda = Inicio(0);
        QCOMPARE(Texto(Venda, "data") + Texto(Venda, "hora"), QStringLiteral("20261208235959"));
        QCOMPARE(DM_CAIXA_VAREJO.DataMovimento, QDateTime(QDate(2026, 12, 8), QTime()));
        QCOMPARE(Finalizacoes(Venda),
                 (QList<std::pair<int, QString>>{{1, QStringLiteral("20261208235959")}}));
    }

    // A result to be viewed without receipt: the viewer opens, nothing is
    // printed, nothing confirmed.
    void ResultadoSoParaVisualizar() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/so-visualizar.json"));
        auto Janela = Estacao->AbreJanela();
        const QStringList Antes = Trabalhos();
        Vende(*Janela, QStringLiteral("1,00"));
        QCOMPARE(Caixa->Visualizados, QStringList{QString()});
        QVERIFY(Chamadas("FinalizaTransacaoSiTefInterativo").isEmpty());
        QVERIFY(!QFile::exists(ArquivoCupom));
        QCOMPARE(Trabalhos(), Antes);
    }

    // A notice of a view-only result goes to the viewer; with no receipt text
    // left, the approval is confirmed without an empty print dialog.
    void SaldoNoVisualizadorConfirmadoSemCupom() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/saldo.json"));
        auto Janela = Estacao->AbreJanela();
        const QStringList Antes = Trabalhos();
        Vende(*Janela, QStringLiteral("1,00"));
        QCOMPARE(Caixa->Visualizados, QStringList{QStringLiteral("Saldo disponível: R$ 10,00")});
        QCOMPARE(Finalizacoes(Inicio(0)).size(), 1);
        QCOMPARE(Finalizacoes(Inicio(0)).front().first, 1);
        QCOMPARE(Trabalhos(), Antes);
    }

    void TentarNovamenteImprimeEConfirmaUmaVez() {
        Caixa->Imprime = false;
        Caixa->TentaDeNovo = true;
        auto Janela = Estacao->AbreJanela();
        const QStringList Antes = Trabalhos();
        Vende(*Janela, QStringLiteral("3,00"));
        QCOMPARE(Finalizacoes(Inicio(0)).size(), 1);
        QCOMPARE(Finalizacoes(Inicio(0)).front().first, 1);
        QTRY_COMPARE(Trabalhos().size(), Antes.size() + 1);
        QVERIFY(Estacao->Livro.Abertos().empty());
    }

    void QuedaDepoisDaAprovacaoEhDesfeitaNoInicio() {
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/voltar.json"));
        QProcess Anterior;
        Anterior.start(QStringLiteral(TK_TRANSACAO_INTERROMPIDA), {QStringLiteral("0")});
        QVERIFY(Anterior.waitForFinished(20000));
        QCOMPARE(Anterior.exitCode(), 0);
        const QString Documento = QString::fromLatin1(Anterior.readAllStandardOutput()).trimmed();
        QCOMPARE(Estacao->Livro.Abertos().size(), size_t(1));

        qunsetenv("CLISITEF_SIM_ROTEIRO");
        auto Janela = Estacao->AbreJanela();
        QCOMPARE(Caixa->Mensagens,
                 QStringList{QStringLiteral(
                                 "Transação TEF não efetuada. Favor reter o Cupom.\nDocumento: ") +
                             Documento + QStringLiteral("\nValor: 5,00")});
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
        QVERIFY(Estacao->Livro.Abertos().empty());
        // The sequence goes on after the number spent by the start's test.
        QCOMPARE(ProximaSequencia(), Documento.toInt() + 2);
    }

    void CancelamentoComSenhaDoSupervisor() {
        Caixa->Senhas = {QStringLiteral("9999"), QStringLiteral("1234")};
        auto Janela = Estacao->AbreJanela();
        const QStringList Antes = Trabalhos();
        Menu(*Janela, {Qt::Key_A});
        const QJsonObject Cancelamento = Inicio(200);
        QCOMPARE(Texto(Cancelamento, "valor"), QStringLiteral("         0,00"));
        QCOMPARE(Texto(Cancelamento, "operador"), QStringLiteral("999"));
        QCOMPARE(Texto(Cancelamento, "parametros"), QString());
        QCOMPARE(Caixa->Mensagens,
                 (QStringList{QStringLiteral("Senha não confere."),
                              QStringLiteral("Confirma o cancelamento de R$ 12,34?")}));
        // Password, amount, document number, date, "&Sim": each in its place.
        QCOMPARE(
            Respostas(),
            (TRespostas{{30, "1234"}, {34, "12,34"}, {30, "123"}, {30, "08122026"}, {20, "0"}}));
        QCOMPARE(Finalizacoes(Cancelamento),
                 (QList<std::pair<int, QString>>{
                     {1, Texto(Cancelamento, "data") + Texto(Cancelamento, "hora")}}));
        QTRY_COMPARE(Trabalhos().size(), Antes.size() + 1);
        const QByteArray Bytes = UltimoTrabalho();
        QVERIFY(Bytes.contains("CANCELAMENTO DE VENDA") && Bytes.contains("R$ 12,34"));
        QVERIFY(Estacao->Pasta.Le(ArquivoDadosTEF)
                    .startsWith(Texto(Cancelamento, "cupom").toLatin1() + "\r\n"));
        QVERIFY(Estacao->Livro.Abertos().empty());
        QVERIFY(Janela->BtnTestaTEF->isEnabled());
    }

    void ReimpressaoEResultadoAdministrativoVisualizado() {
        auto Janela = Estacao->AbreJanela();
        const QStringList Antes = Trabalhos();
        Caixa->Opcoes = {Qt::Key_3};
        Menu(*Janela, {Qt::Key_B, Qt::Key_F});
        QCOMPARE(Finalizacoes(Inicio(112)).size(), 1);
        QVERIFY(Finalizacoes(Inicio(110)).isEmpty());
        QTRY_COMPARE(Trabalhos().size(), Antes.size() + 1);
        QVERIFY(UltimoTrabalho().contains("REIMPRESS\xc3O"));
        QCOMPARE(Caixa->Visualizados.size(), 1);
        QVERIFY(Caixa->Visualizados.front().contains(QStringLiteral("RESUMO DE VENDAS DO DIA")));
        QTest::qWait(200);
        QCOMPARE(Trabalhos().size(), Antes.size() + 1);
    }

    void PreAutorizacaoECaptura() {
        auto Janela = Estacao->AbreJanela();
        Menu(*Janela, {Qt::Key_C, Qt::Key_D});
        for (const int Funcao : {115, 116}) {
            const QJsonObject Abertura = Inicio(Funcao);
            QCOMPARE(Finalizacoes(Abertura),
                     (QList<std::pair<int, QString>>{
                         {1, Texto(Abertura, "data") + Texto(Abertura, "hora")}}));
        }
        // The queue's backend writes the job a moment after it is accepted.
        QTRY_VERIFY(UltimoTrabalho().contains("CAPTURA DE PR\xc9-AUTORIZA\xc7\xc3O"));
    }

    void TesteDeComunicacaoPeloMenu() {
        auto Janela = Estacao->AbreJanela();
        DM_CAIXA_VAREJO.StatusTEF = -5;
        Menu(*Janela, {Qt::Key_E});
        // The start's pending list and silent test, and this one, which
        // tells the operator.
        QCOMPARE(Chamadas("IniciaFuncaoSiTefInterativo").size(), 3);
        QCOMPARE(Caixa->Mensagens,
                 QStringList{QStringLiteral("Comunicação com o SiTef em ordem.")});
        QCOMPARE(DM_CAIXA_VAREJO.StatusTEF, 0);
    }

    // A pending record stays, and the operator is told so, while the library
    // is not configured; the next successful "&Iniciar TEF" resolves it.
    void PendenciaEsperaOTEFConfigurado() {
        QProcess Anterior;
        Anterior.start(QStringLiteral(TK_TRANSACAO_INTERROMPIDA), {QStringLiteral("200")});
        QVERIFY(Anterior.waitForFinished(20000));
        const QString Documento = QString::fromLatin1(Anterior.readAllStandardOutput()).trimmed();
        qputenv("CLISITEF_SIM_ROTEIRO", QByteArray(TK_ROTEIROS "/voltar.json")); // configuration 1
        auto Janela = Estacao->AbreJanela();
        QCOMPARE(Caixa->Mensagens,
                 QStringList{QStringLiteral("Transação TEF pendente (documento %1) ainda não "
                                            "resolvida: será confirmada ou desfeita quando o TEF "
                                            "for iniciado.")
                                 .arg(Documento)});
        QCOMPARE(Estacao->Livro.Abertos().size(), size_t(1));
        QVERIFY(Chamadas("FinalizaTransacaoSiTefInterativo").isEmpty());

        qunsetenv("CLISITEF_SIM_ROTEIRO");
        Caixa->Mensagens.clear();
        Janela->PageControl->setCurrentIndex(1);
        Janela->BtnIniciaTEF->click();
        QCOMPARE(Caixa->Mensagens.size(), 1);
        QVERIFY(Caixa->Mensagens.front().split(u'\n').contains(QStringLiteral("Documento: ") +
                                                               Documento));
        QVERIFY(Estacao->Livro.Abertos().empty());
        QCOMPARE(Chamadas("FinalizaTransacaoSiTefInterativo").size(), 1);
    }

    // The station dies at the print dialog of a cancellation and of a
    // pre-authorisation; the next start resolves each by its rule before
    // any function opens.
    void InterrompidaNaImpressaoResolvidaPelaRegraDaFuncao() {
        const struct {
            const char* Funcao;
            int Confirma;
            QString Mensagem;
        } Casos[] = {
            {"200", 1,
             QStringLiteral("Função TEF pendente confirmada. Cupom TEF não impresso. Use a "
                            "reimpressão.\nDocumento: ")},
            {"115", 0,
             QStringLiteral("Transação TEF não efetuada. Favor reter o Cupom.\nDocumento: ")}};
        for (const auto& Caso : Casos) {
            // A station of its own each time: the one that resolved the last
            // case holds its journal.
            Estacao.reset();
            Estacao = std::make_unique<TEstacaoReal>();
            Estacao->GravaConfiguracaoDemo();
            QProcess Anterior;
            Anterior.start(QStringLiteral(TK_TRANSACAO_INTERROMPIDA),
                           {QString::fromLatin1(Caso.Funcao)});
            QVERIFY(Anterior.waitForFinished(20000));
            QCOMPARE(Anterior.exitCode(), 0);
            const QString Documento =
                QString::fromLatin1(Anterior.readAllStandardOutput()).trimmed();
            const std::vector<TLancamentoTEF> Abertos = Estacao->Livro.Abertos();
            QCOMPARE(Abertos.size(), size_t(1));
            QCOMPARE(Abertos[0].Estado, TEstadoLancamento::Imprimindo);
            QCOMPARE(Abertos[0].Funcao, QString::fromLatin1(Caso.Funcao).toInt());
            QCOMPARE(Abertos[0].Documento, Documento);

            Caixa->Mensagens.clear();
            auto Janela = Estacao->AbreJanela();
            QCOMPARE(Caixa->Mensagens, QStringList{Caso.Mensagem + Documento});
            bool Desfeita = false;
            int Confirmacoes = 0;
            for (const QJsonObject& Linha : Diario()) {
                Desfeita = Desfeita || (Texto(Linha, "evento") == QStringLiteral("desfeita") &&
                                        Texto(Linha, "cupom") == Documento);
                Confirmacoes +=
                    Texto(Linha, "chamada") == QStringLiteral("FinalizaTransacaoSiTefInterativo") &&
                    Texto(Linha, "cupom") == Documento &&
                    Linha[QStringLiteral("confirma")].toInt() == 1;
            }
            QCOMPARE(Confirmacoes, Caso.Confirma);
            QCOMPARE(Desfeita, Caso.Confirma == 0);
            QVERIFY(Estacao->Livro.Abertos().empty());
        }
    }
};

QTEST_MAIN(TesteIntegracaoTEF)
#include "teste_integracao_tef.moc"
