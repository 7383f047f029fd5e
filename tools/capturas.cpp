// Shows the station's windows one by one on the real display (run it under
// Xvfb) and saves a PNG of each into the folder given as argument, so a person
// can look at them.
#include "CliSiTef.h"
#include "CodigosDialogo.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "MAN_CAIXA_TEF_MOVIMENTO.h"
#include "MAN_CAIXA_TEF_QRCODE.h"
#include "MAN_CAIXA_TEF_VISUALIZA.h"
#include "MAN_CAIXA_VAREJO_MENU.h"
#include "NAlerta.h"
#include "NDialog.h"
#include "NFloatEdit.h"
#include "NPrintDialog.h"
#include "NReport.h"
#include "NWaitDialog.h"
#include "OperadorTEFQt.h"
#include "Relogio.h"
#include "TelaPrincipal.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

void Espera(int Milissegundos) {
    QEventLoop Laco;
    QTimer::singleShot(Milissegundos, &Laco, &QEventLoop::quit);
    Laco.exec();
}

void Salva(QWidget* Janela, const QString& Arquivo) {
    const QRect Area = Janela->frameGeometry().adjusted(-16, -16, 16, 16);
    const QPixmap Imagem =
        Janela->screen()->grabWindow(0, Area.x(), Area.y(), Area.width(), Area.height());
    if (!Imagem.save(Arquivo)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(Arquivo));
    }
}

void Captura(QWidget* Janela, const QString& Arquivo) {
    Janela->show();
    Janela->raise();
    Espera(300);
    Salva(Janela, Arquivo);
    Janela->hide();
}

// Runs Abre, which shows a modal dialog, and captures that dialog.
void CapturaModal(const std::function<void()>& Abre, const QString& Arquivo) {
    QTimer::singleShot(400, [Arquivo] {
        if (auto* Dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            Salva(Dialogo, Arquivo);
            Dialogo->done(0);
        }
    });
    Abre();
}

// A day at the counter in a journal of its own: "Movimento TEF" on it.
void CapturaMovimento(TAmbienteTEF& Ambiente, const QString& Arquivo) {
    const QTemporaryDir Pasta;
    TLivroTransacoes Livro(Pasta.filePath(TLivroTransacoes::NomePadrao));
    const QDate Hoje = Relogio::Agora().date();
    const struct {
        std::int32_t Funcao;
        const char* Hora;
        const char* Valor;
        TEstadoLancamento Estado;
        std::optional<bool> Confirma;
        TAutorizacaoTEF Autorizacao;
    } Dia[] = {
        {0,
         "091204",
         "45,90",
         TEstadoLancamento::Finalizada,
         true,
         {"00005", "00001", "000101", "493021000101"}},
        {0,
         "093511",
         "12,34",
         TEstadoLancamento::Finalizada,
         true,
         {"00005", "20002", "000102", "117342000102"}},
        {0, "101830", "250,00", TEstadoLancamento::Recusada, {}, {}},
        {0,
         "104205",
         "89,90",
         TEstadoLancamento::Finalizada,
         true,
         {"00004", "00002", "000104", "883410000104"}},
        {200,
         "111502",
         "0,00",
         TEstadoLancamento::Finalizada,
         true,
         {"00005", "00001", "000105", "493021000105"}},
        {0, "120144", "19,99", TEstadoLancamento::Finalizada, false, {}},
        {0, "133010", "7,50", TEstadoLancamento::Abandonada, {}, {}},
        {112, "140012", "0,00", TEstadoLancamento::Finalizada, true, {}},
        {0, "153322", "33,00", TEstadoLancamento::Impressa, {}, {}},
    };
    int Documento = 40;
    for (const auto& Item : Dia) {
        TLancamentoTEF L;
        L.Funcao = Item.Funcao;
        L.Documento = QString::number(++Documento);
        L.Valor = QString::fromLatin1(Item.Valor).rightJustified(13);
        L.ValorInformado = Item.Funcao == 200 ? QStringLiteral("45,90") : QString();
        L.Data = Hoje.toString(QStringLiteral("yyyyMMdd"));
        L.Hora = QString::fromLatin1(Item.Hora);
        L.Resultado =
            Item.Estado == TEstadoLancamento::Recusada ? std::optional<int>(5) : std::nullopt;
        L.Comprovante =
            Item.Confirma.value_or(false) ? QStringLiteral("VIA DO CLIENTE\r\n") : QString();
        L.Autorizacao = Item.Autorizacao;
        Livro.Inicia(L);
        L.Confirma = Item.Confirma;
        Livro.Registra(L, Item.Estado);
    }
    TDM_TEF Modulo(Ambiente, nullptr);
    TManCaixaTefMovimento Movimento(Livro, Modulo);
    CapturaModal([&Movimento] { MostraModal(&Movimento); }, Arquivo);
}

} // namespace

int main(int argc, char** argv) {
    QApplication Aplicacao(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const QDir Saida(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("capturas"));
    QDir().mkpath(Saida.path());

    const char* Mensagens[] = {" Transação aprovada.", " Deseja imprimir o comprovante?",
                               " Confirma o valor de R$ 12,34?",
                               " Cupom TEF não foi impresso. Tentar novamente?"};
    const char* Titulos[] = {"Atenção", "Responda", "Responda", "Responda"};
    for (std::uint8_t Botoes = 0; Botoes < 4; ++Botoes) {
        TDialog Dialogo;
        Dialogo.Configura(QString::fromUtf8(Mensagens[Botoes]), QString::fromUtf8(Titulos[Botoes]),
                          Botoes, CodigosDialogo::IconeAutomatico,
                          CodigosDialogo::BotaoPadraoAutomatico);
        Captura(&Dialogo, Saida.filePath(QStringLiteral("mensagem-botoes-%1.png").arg(Botoes)));
    }

    TWait::Mostra(QStringLiteral("Testando comunicação Tef..."));
    Captura(TWait::Caixa(), Saida.filePath(QStringLiteral("aguarde.png")));
    TWait::Fecha();

    TNAlerta Alerta(QStringLiteral("Dado inválido."), 13);
    Captura(&Alerta, Saida.filePath(QStringLiteral("alerta.png")));

    TornaPresente(ManCaixaTefMenu);
    ManCaixaTefMenu->LBL_TITULO->setText(QStringLiteral(" Forma de pagamento"));
    ManCaixaTefMenu->Opcoes =
        QStringLiteral("1:Cartão de Crédito;2:Cartão de Débito;3:Voucher Alimentação;");
    CapturaModal([] { MostraModal(ManCaixaTefMenu); }, Saida.filePath(QStringLiteral("menu.png")));
    Libera(ManCaixaTefMenu);

    // A menu longer than nine entries, its codes skipping: nine in view.
    TornaPresente(ManCaixaTefMenu);
    ManCaixaTefMenu->LBL_TITULO->setText(QStringLiteral(" Número de parcelas"));
    for (int Parcelas = 1; Parcelas <= 12; ++Parcelas) {
        ManCaixaTefMenu->Opcoes += QStringLiteral("%1:%1 parcela%2;")
                                       .arg(Parcelas + 1)
                                       .arg(Parcelas > 1 ? QStringLiteral("s") : QString());
    }
    CapturaModal([] { MostraModal(ManCaixaTefMenu); },
                 Saida.filePath(QStringLiteral("menu-longo.png")));
    Libera(ManCaixaTefMenu);

    const struct {
        int Tipo;
        const char* Titulo;
        const char* Arquivo;
    } Coletas[] = {
        {CodigosDialogo::ColetaTexto, " Digite o número do cartão de crédito", "coleta-texto.png"},
        {CodigosDialogo::ColetaValor, " Valor da pré-autorização", "coleta-valor.png"},
        {CodigosDialogo::ColetaCheque, " Dados do cheque", "coleta-cheque.png"},
        {CodigosDialogo::ColetaSenha, " Senha do supervisor", "coleta-senha.png"}};
    for (const auto& Coleta : Coletas) {
        TornaPresente(ManCaixaTefColeta);
        ManCaixaTefColeta->TipoColeta = Coleta.Tipo;
        ManCaixaTefColeta->TamanhoMinimo = 4;
        ManCaixaTefColeta->TamanhoMaximo = Coleta.Tipo == CodigosDialogo::ColetaTexto ? 19 : 8;
        ManCaixaTefColeta->FTopBar->setText(QString::fromUtf8(Coleta.Titulo));
        ManCaixaTefColeta->LBL_TITULO->setText(QString::fromUtf8(Coleta.Titulo));
        CapturaModal([] { MostraModal(ManCaixaTefColeta); },
                     Saida.filePath(QString::fromLatin1(Coleta.Arquivo)));
        Libera(ManCaixaTefColeta);
    }

    TornaPresente(ManCaixaTefVisualiza);
    const TNStringList Recibo({QStringLiteral("   *** SIMULAÇÃO - SEM VALOR FISCAL ***"),
                               QStringLiteral("        LOJA EXEMPLO KIMBRO LTDA"),
                               QStringLiteral("            VIA DO CLIENTE"),
                               QStringLiteral("08/12/2026 16:30            DOC: 17"),
                               QStringLiteral("CARTÃO: ************1111"),
                               QStringLiteral("VENDA À VISTA"),
                               QStringLiteral("VALOR APROVADO: R$ 12,34"),
                               QStringLiteral("NSU: 000017   AUTORIZAÇÃO: 493021")});
    CapturaModal([&Recibo] { ManCaixaTefVisualiza->MostraTexto(Recibo, QString()); },
                 Saida.filePath(QStringLiteral("visualizador.png")));

    TNTextReport Relatorio;
    Relatorio.Columns = 42;
    Relatorio.DefaultHeader = false;
    Relatorio.PrintTarget = ptDialog;
    Relatorio.BeginDoc();
    Relatorio.PrintText(1, 1, QStringLiteral("VIA DO CLIENTE"), 0);
    Relatorio.EndDoc();
    TPrinterDialogInfo Info;
    CapturaModal([&] { TFPrintDialog::ExecuteDialog(Relatorio, Info); },
                 Saida.filePath(QStringLiteral("opcoes-impressao.png")));

    // The main window against the library found on LD_LIBRARY_PATH (the simulator).
    TCliSiTef CliSiTef;
    TOperadorTEFQt Operador;
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
    TForm_Principal Principal(Ambiente);
    Principal.EDT_VALOR->setText(QStringLiteral("1.234,56"));
    Principal.show();
    Espera(700);
    Captura(&Principal, Saida.filePath(QStringLiteral("principal-transacao.png")));
    Principal.PageControl->setCurrentIndex(1);
    Captura(&Principal, Saida.filePath(QStringLiteral("principal-configuracao.png")));

    // A PIX payment's QR code, with the library's footer.
    TManCaixaTefQRCode QRCode;
    QRCode.MostraCodigo(QStringLiteral("00020126580014br.gov.bcb.pix0136123e4567-e12b-12d1-a456-"
                                       "4266554400005204000053039865802BR5919LOJA EXEMPLO KIMBRO"
                                       "6009SAO PAULO62070503***6304A1B2"));
    QRCode.DefineRodape(QStringLiteral("Aguardando o pagamento pelo celular do cliente..."));
    Captura(&QRCode, Saida.filePath(QStringLiteral("qrcode-pix.png")));

    CapturaMovimento(Ambiente, Saida.filePath(QStringLiteral("movimento-tef.png")));

    // The TEF functions menu as "&Menu TEF" opens it, the TEF online.
    TornaPresente(ManCaixaVarejoMenu);
    CapturaModal([] { MostraModal(ManCaixaVarejoMenu); },
                 Saida.filePath(QStringLiteral("menu-tef.png")));
    Libera(ManCaixaVarejoMenu);
    return 0;
}
