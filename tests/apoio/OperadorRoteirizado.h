#pragma once

#include "OperadorTEF.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <deque>
#include <functional>

// An operator that answers from a script and writes down everything the
// station showed or asked, one line per event, in order.
class TOperadorRoteirizado : public TOperadorTEF {
public:
    QStringList Eventos;
    std::deque<std::uint8_t> Respostas; // answers of MsgDisplayResp; empty: closed (4)
    int CaixasDeEsperaAbertas = 0;
    int PausaTotal = 0;

    // How many events start with Prefixo.
    int Conta(const QString& Prefixo) const {
        return static_cast<int>(
            std::count_if(Eventos.begin(), Eventos.end(),
                          [&](const QString& E) { return E.startsWith(Prefixo); }));
    }

    void MsgDisplay(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                    std::uint8_t Icone, std::uint8_t BotaoPadrao) override;
    std::uint8_t MsgDisplayResp(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                                std::uint8_t Icone, std::uint8_t BotaoPadrao) override;
    void AguardeDisplay(const QString& Texto) override;
    void FimAguardeDisplay() override;
    void ProcessaMensagens() override { Eventos.append(QStringLiteral("processa")); }
    void Pausa(int Milissegundos) override;

    TMenuOpcoesTEF& Menu() override { return FMenu; }
    TColetaDadosTEF& Coleta() override { return FColeta; }
    TVisualizadorTEF& Visualizador() override { return FVisualizador; }

    class TMenu : public TMenuOpcoesTEF {
    public:
        explicit TMenu(TOperadorRoteirizado& Dono) : FDono(Dono) {}
        bool Presente = false;
        QString Titulo, Opcoes, Escolhida;
        std::deque<QString> Escolhas;
        void TornaPresente() override { Presente = true; }
        void Libera() override;
        void DefineTitulo(const QString& Texto) override { Titulo = Texto; }
        void DefineOpcoes(const QString& Texto) override { Opcoes = Texto; }
        void DefineOpcaoEscolhida(const QString& Opcao) override { Escolhida = Opcao; }
        QString OpcaoEscolhida() const override { return Escolhida; }
        std::int32_t Continuacao() const override { return Continua; }
        // A scripted "0" abandons and "999" goes back, as the dialog's
        // buttons do; "=CODE" chooses the entry that replies CODE.
        std::int32_t Continua = 0;
        void Mostra() override;

    private:
        TOperadorRoteirizado& FDono;
    };

    class TColeta : public TColetaDadosTEF {
    public:
        explicit TColeta(TOperadorRoteirizado& Dono) : FDono(Dono) {}
        bool Presente = false;
        QString Titulo, Codigo, Valor;
        std::int32_t Tipo = 0, Minimo = 0, Maximo = 0;
        bool Exige = false;
        // Each showing takes the next pair: exit code, collected value.
        std::deque<std::pair<QString, QString>> Respostas;
        void TornaPresente() override { Presente = true; }
        void Libera() override;
        void DefineTitulo(const QString& Texto) override { Titulo = Texto; }
        void DefineTipoColeta(std::int32_t T) override { Tipo = T; }
        void DefineTamanhoMinimo(std::int32_t T) override { Minimo = T; }
        void DefineTamanhoMaximo(std::int32_t T) override { Maximo = T; }
        void DefineExigeValor(bool E) override { Exige = E; }
        void DefineCodigoSaida(const QString& C) override { Codigo = C; }
        QString CodigoSaida() const override { return Codigo; }
        QString ValorColetado() const override { return Valor; }
        void Mostra() override;

    private:
        TOperadorRoteirizado& FDono;
    };

    class TVisualizador : public TVisualizadorTEF {
    public:
        explicit TVisualizador(TOperadorRoteirizado& Dono) : FDono(Dono) {}
        bool Presente = false;
        void TornaPresente() override { Presente = true; }
        void Libera() override { Presente = false; }
        void MostraTexto(const TNStringList& Texto, const QString& Legenda) override;

    private:
        TOperadorRoteirizado& FDono;
    };

    class TTela : public TTelaClienteTEF {
    public:
        explicit TTela(TOperadorRoteirizado& Dono) : FDono(Dono) {}
        bool QRCode = false;
        // The operator gives up from the QR code's window at the first wait.
        bool AbandonaNoQRCode = false;
        void DefineCabecalho(const QString& Texto) override;
        void MostraQRCode(const QString& Conteudo) override;
        void DefineRodape(const QString& Texto) override;
        void RemoveQRCode() override;
        bool QRCodePresente() const override { return QRCode; }
        bool Abandonado() const override { return QRCode && AbandonaNoQRCode; }

    private:
        TOperadorRoteirizado& FDono;
    };

    TTelaClienteTEF& TelaCliente() override { return FTela; }

    TMenu FMenu{*this};
    TTela FTela{*this};
    TColeta FColeta{*this};
    TVisualizador FVisualizador{*this};
    // Called at every event, e.g. to make a dialog raise an error.
    std::function<void(const QString& Evento)> AoEvento;

private:
    void Registra(const QString& Evento);
};
