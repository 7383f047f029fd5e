#include "OperadorTEFQt.h"

#include "MAN_CAIXA_TEF_CABECALHO.h"
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "MAN_CAIXA_TEF_QRCODE.h"
#include "MAN_CAIXA_TEF_VISUALIZA.h"
#include "Textos.h"
#include "TratadorErros.h"
#include "VeltroTECD.h"

#include <QEventLoop>
#include <QLabel>
#include <QTimer>

namespace {

// Every access makes the dialog present first, so that no loop can reach a
// dialog that does not exist.
template <class T> T& Presente(QPointer<T>& Referencia) {
    TornaPresente(Referencia);
    return *Referencia;
}

class TMenuQt final : public TMenuOpcoesTEF {
public:
    void TornaPresente() override { ::TornaPresente(ManCaixaTefMenu); }
    void Libera() override { ::Libera(ManCaixaTefMenu); }
    void DefineTitulo(const QString& Titulo) override {
        Presente(ManCaixaTefMenu).LBL_TITULO->setText(Titulo);
    }
    void DefineOpcoes(const QString& Opcoes) override { Presente(ManCaixaTefMenu).Opcoes = Opcoes; }
    void DefineOpcaoEscolhida(const QString& Opcao) override {
        Presente(ManCaixaTefMenu).OpcaoEscolhida = Opcao;
    }
    QString OpcaoEscolhida() const override {
        return ManCaixaTefMenu ? ManCaixaTefMenu->OpcaoEscolhida : QString();
    }
    std::int32_t Continuacao() const override {
        return ManCaixaTefMenu ? ManCaixaTefMenu->Continuacao : -1;
    }
    void Mostra() override { MostraModal(&Presente(ManCaixaTefMenu)); }
};

class TColetaQt final : public TColetaDadosTEF {
public:
    void TornaPresente() override { ::TornaPresente(ManCaixaTefColeta); }
    void Libera() override { ::Libera(ManCaixaTefColeta); }
    void DefineTitulo(const QString& Titulo) override {
        TManCaixaTefColeta& Coleta = Presente(ManCaixaTefColeta);
        Coleta.FTopBar->setText(Titulo);
        Coleta.LBL_TITULO->setText(Titulo);
    }
    void DefineTipoColeta(std::int32_t Tipo) override {
        Presente(ManCaixaTefColeta).TipoColeta = Tipo;
    }
    void DefineTamanhoMinimo(std::int32_t Tamanho) override {
        Presente(ManCaixaTefColeta).TamanhoMinimo = Tamanho;
    }
    void DefineTamanhoMaximo(std::int32_t Tamanho) override {
        Presente(ManCaixaTefColeta).TamanhoMaximo = Tamanho;
    }
    void DefineExigeValor(bool Exige) override { Presente(ManCaixaTefColeta).ExigeValor = Exige; }
    void DefineCodigoSaida(const QString& Codigo) override {
        Presente(ManCaixaTefColeta).CodigoSaida = Codigo;
    }
    QString CodigoSaida() const override {
        return ManCaixaTefColeta ? ManCaixaTefColeta->CodigoSaida : QString();
    }
    QString ValorColetado() const override { return ::ValorColetado; }
    void Mostra() override { MostraModal(&Presente(ManCaixaTefColeta)); }
};

class TVisualizadorQt final : public TVisualizadorTEF {
public:
    void TornaPresente() override { ::TornaPresente(ManCaixaTefVisualiza); }
    void Libera() override { ::Libera(ManCaixaTefVisualiza); }
    void MostraTexto(const TNStringList& Texto, const QString& Legenda) override {
        Presente(ManCaixaTefVisualiza).MostraTexto(Texto, Legenda);
    }
};

// The header and the QR code: windows of their own, over the station, that
// do not block the loop.
class TTelaClienteQt final : public TTelaClienteTEF {
public:
    ~TTelaClienteQt() override {
        delete FQRCode.data();
        delete FCabecalho.data();
    }
    void DefineCabecalho(const QString& Texto) override {
        if (AparaControles(Texto).isEmpty()) {
            delete FCabecalho.data();
            return;
        }
        if (!FCabecalho) {
            FCabecalho = new TManCaixaTefCabecalho();
        }
        FCabecalho->DefineTexto(Texto);
        FCabecalho->show();
    }
    void MostraQRCode(const QString& Conteudo) override {
        if (!FQRCode) {
            FQRCode = new TManCaixaTefQRCode();
        }
        FQRCode->MostraCodigo(Conteudo);
        FQRCode->show();
        FQRCode->raise();
        FQRCode->activateWindow();
        ProcessaMensagensPendentes();
    }
    void DefineRodape(const QString& Texto) override {
        if (FQRCode) {
            FQRCode->DefineRodape(Texto);
        }
    }
    void RemoveQRCode() override { delete FQRCode.data(); }
    bool QRCodePresente() const override { return !FQRCode.isNull(); }
    bool Abandonado() const override { return FQRCode && FQRCode->Abandonado(); }

private:
    QPointer<TManCaixaTefQRCode> FQRCode;
    QPointer<TManCaixaTefCabecalho> FCabecalho;
};

} // namespace

struct TOperadorTEFQt::Componentes {
    TMenuQt Menu;
    TColetaQt Coleta;
    TVisualizadorQt Visualizador;
    TTelaClienteQt TelaCliente;
};

TOperadorTEFQt::TOperadorTEFQt() : FComponentes(std::make_unique<Componentes>()) {}

TOperadorTEFQt::~TOperadorTEFQt() = default;

void TOperadorTEFQt::MsgDisplay(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                                std::uint8_t Icone, std::uint8_t BotaoPadrao) {
    ::MsgDisplay(Mensagem, Titulo, Botoes, Icone, BotaoPadrao);
}

std::uint8_t TOperadorTEFQt::MsgDisplayResp(const QString& Mensagem, const QString& Titulo,
                                            std::uint8_t Botoes, std::uint8_t Icone,
                                            std::uint8_t BotaoPadrao) {
    return ::MsgDisplayResp(Mensagem, Titulo, Botoes, Icone, BotaoPadrao);
}

void TOperadorTEFQt::AguardeDisplay(const QString& Texto) {
    ::AguardeDisplay(Texto);
}

void TOperadorTEFQt::FimAguardeDisplay() {
    ::FimAguardeDisplay();
}

void TOperadorTEFQt::ProcessaMensagens() {
    ProcessaMensagensPendentes();
}

void TOperadorTEFQt::Pausa(int Milissegundos) {
    QEventLoop Laco;
    QTimer::singleShot(Milissegundos, &Laco, &QEventLoop::quit);
    Laco.exec(QEventLoop::ExcludeUserInputEvents);
}

TMenuOpcoesTEF& TOperadorTEFQt::Menu() {
    return FComponentes->Menu;
}

TColetaDadosTEF& TOperadorTEFQt::Coleta() {
    return FComponentes->Coleta;
}

TVisualizadorTEF& TOperadorTEFQt::Visualizador() {
    return FComponentes->Visualizador;
}

TTelaClienteTEF& TOperadorTEFQt::TelaCliente() {
    return FComponentes->TelaCliente;
}
