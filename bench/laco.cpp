// The sale loop's own cost per library command, with a library that answers
// at once and an operator that does nothing, against copying one full
// 30001-byte command buffer.
#include "BufferSiTef.h"
#include "OperadorTEF.h"
#include "VendaTEF.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

class TBibliotecaImediata : public TBibliotecaSiTef {
public:
    long Restantes = 0;
    std::int32_t ConfiguraIntSiTefInterativo(const QString&, const QString&, const QString&,
                                             const QString&) override {
        return 0;
    }
    std::int32_t VerificaPresencaPinPad() override { return 1; }
    std::int32_t EscreveMensagemPermanentePinPad(const QString&) override { return 0; }
    std::int32_t IniciaFuncaoSiTefInterativo(std::int32_t, const QString&, const QString&,
                                             const QString&, const QString&, const QString&,
                                             const std::optional<QString>&) override {
        return 10000;
    }
    std::int32_t ContinuaFuncaoSiTefInterativo(TSaidaComando& Saida, TBufferSiTef& Buffer,
                                               std::int32_t) override {
        if (Restantes-- <= 0) {
            return 0;
        }
        // A typical command: a 60-character operator message.
        Saida = {0, -1, 0, 0};
        static constexpr char Texto[] =
            "Aguarde, processando a transacao junto a administradora...";
        std::memcpy(Buffer.Dados(), Texto, sizeof Texto);
        return 10000;
    }
    void FinalizaTransacaoSiTefInterativo(std::int16_t, const QString&, const QString&,
                                          const QString&) override {}
};

class TOperadorNulo : public TOperadorTEF,
                      TMenuOpcoesTEF,
                      TColetaDadosTEF,
                      TVisualizadorTEF,
                      TTelaClienteTEF {
public:
    void MsgDisplay(const QString&, const QString&, std::uint8_t, std::uint8_t,
                    std::uint8_t) override {}
    std::uint8_t MsgDisplayResp(const QString&, const QString&, std::uint8_t, std::uint8_t,
                                std::uint8_t) override {
        return 4;
    }
    void AguardeDisplay(const QString&) override {}
    void FimAguardeDisplay() override {}
    void ProcessaMensagens() override {}
    void Pausa(int) override {}
    TMenuOpcoesTEF& Menu() override { return *this; }
    TColetaDadosTEF& Coleta() override { return *this; }
    TVisualizadorTEF& Visualizador() override { return *this; }
    TTelaClienteTEF& TelaCliente() override { return *this; }
    void DefineCabecalho(const QString&) override {}
    void MostraQRCode(const QString&) override {}
    void DefineRodape(const QString&) override {}
    void RemoveQRCode() override {}
    bool QRCodePresente() const override { return false; }
    bool Abandonado() const override { return false; }
    void TornaPresente() override {}
    void Libera() override {}
    void DefineTitulo(const QString&) override {}
    void DefineOpcoes(const QString&) override {}
    void DefineOpcaoEscolhida(const QString&) override {}
    QString OpcaoEscolhida() const override { return {}; }
    std::int32_t Continuacao() const override { return 0; }
    void DefineTipoColeta(std::int32_t) override {}
    void DefineTamanhoMinimo(std::int32_t) override {}
    void DefineTamanhoMaximo(std::int32_t) override {}
    void DefineExigeValor(bool) override {}
    void DefineCodigoSaida(const QString&) override {}
    QString CodigoSaida() const override { return {}; }
    QString ValorColetado() const override { return {}; }
    void Mostra() override {}
    void MostraTexto(const TNStringList&, const QString&) override {}
};

} // namespace

int main() {
    QTemporaryDir Pasta;
    QDir::setCurrent(Pasta.path());
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    constexpr long Comandos = 200000;
    TBibliotecaImediata Biblioteca;
    TOperadorNulo Operador;
    TAmbienteTEF Ambiente{Biblioteca, Operador, Livro};
    TVendaTEF Venda(Ambiente);
    Biblioteca.Restantes = Comandos;
    QElapsedTimer Tempo;
    Tempo.start();
    Venda.ExecutaVendaTEF(999, Currency(), QDateTime::currentDateTime(),
                          QDateTime::currentDateTime());
    const double PorComando = Tempo.nsecsElapsed() / double(Comandos);

    std::vector<char> Origem(TBufferSiTef::Tamanho, 'x'), Destino(TBufferSiTef::Tamanho);
    constexpr long Copias = 200000;
    Tempo.restart();
    for (long I = 0; I < Copias; ++I) {
        Origem[static_cast<size_t>(I % 100)] = static_cast<char>(I);
        std::memcpy(Destino.data(), Origem.data(), Origem.size());
    }
    const double PorCopia = Tempo.nsecsElapsed() / double(Copias);
    std::printf("sale loop, per library command (null operator): %.0f ns\n", PorComando);
    std::printf("copy of one 30001-byte buffer:                  %.0f ns (check %d)\n", PorCopia,
                Destino[7]);
    std::printf("ratio loop command / buffer copy: %.1f\n", PorComando / PorCopia);
    return 0;
}
