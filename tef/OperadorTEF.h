#pragma once

#include "TNStringList.h"

#include <QString>

#include <cstdint>

// How the TEF loops reach the operator. The station implements it with its
// dialogs; tests answer with a scripted operator. It holds exactly what the
// loops use, so the engine needs no widget.

// The option menu (ManCaixaTefMenu).
class TMenuOpcoesTEF {
public:
    virtual ~TMenuOpcoesTEF() = default;
    // Creates the dialog, hidden, when none exists.
    virtual void TornaPresente() = 0;
    // Destroys the dialog, if any; the next TornaPresente makes a new one.
    virtual void Libera() = 0;
    virtual void DefineTitulo(const QString& Titulo) = 0; // LBL_TITULO
    virtual void DefineOpcoes(const QString& Opcoes) = 0;
    virtual void DefineOpcaoEscolhida(const QString& Opcao) = 0;
    // The chosen entry's reply (its code, or its position), whatever its
    // value: "0" and "999" are codes like any other.
    virtual QString OpcaoEscolhida() const = 0;
    // How the menu ended, beside the reply: 0 an entry chosen, 1 went back,
    // -1 abandoned.
    virtual std::int32_t Continuacao() const = 0;
    virtual void Mostra() = 0; // modal
};

// The data-collection dialog (ManCaixaTefColeta).
class TColetaDadosTEF {
public:
    virtual ~TColetaDadosTEF() = default;
    virtual void TornaPresente() = 0;
    virtual void Libera() = 0;
    virtual void DefineTitulo(const QString& Titulo) = 0; // FTopBar and LBL_TITULO
    virtual void DefineTipoColeta(std::int32_t TipoColeta) = 0;
    virtual void DefineTamanhoMinimo(std::int32_t Tamanho) = 0;
    virtual void DefineTamanhoMaximo(std::int32_t Tamanho) = 0;
    virtual void DefineExigeValor(bool ExigeValor) = 0;
    virtual void DefineCodigoSaida(const QString& Codigo) = 0;
    // "0" abandoned, "999" went back, anything else confirmed.
    virtual QString CodigoSaida() const = 0;
    // The value of the last confirmed showing (ValorColetado).
    virtual QString ValorColetado() const = 0;
    virtual void Mostra() = 0; // modal
};

// The text viewer (ManCaixaTefVisualiza); closing it destroys it.
class TVisualizadorTEF {
public:
    virtual ~TVisualizadorTEF() = default;
    virtual void TornaPresente() = 0;
    virtual void Libera() = 0;
    // Legenda empty keeps the viewer's own caption.
    virtual void MostraTexto(const TNStringList& Texto, const QString& Legenda) = 0;
};

// What the library shows beyond the operator's dialogs: the header some
// transactions show above them (commands 15 and 16) and the QR code of a PIX
// payment, shown to the customer while the library waits (50, 51, 52).
class TTelaClienteTEF {
public:
    virtual ~TTelaClienteTEF() = default;
    // An empty text removes the header.
    virtual void DefineCabecalho(const QString& Texto) = 0;
    // Shows the code (a new one replaces the one shown), with no footer yet.
    virtual void MostraQRCode(const QString& Conteudo) = 0;
    virtual void DefineRodape(const QString& Texto) = 0;
    virtual void RemoveQRCode() = 0;
    virtual bool QRCodePresente() const = 0;
    // The operator gave up from the QR code's window since it was shown.
    virtual bool Abandonado() const = 0;
};

class TOperadorTEF {
public:
    virtual ~TOperadorTEF() = default;

    // The operator messages: codes in CodigosDialogo.
    virtual void MsgDisplay(const QString& Mensagem, const QString& Titulo, std::uint8_t Botoes,
                            std::uint8_t Icone, std::uint8_t BotaoPadrao) = 0;
    virtual std::uint8_t MsgDisplayResp(const QString& Mensagem, const QString& Titulo,
                                        std::uint8_t Botoes, std::uint8_t Icone,
                                        std::uint8_t BotaoPadrao) = 0;
    virtual void AguardeDisplay(const QString& Texto) = 0;
    virtual void FimAguardeDisplay() = 0;

    // Lets pending window messages be processed.
    virtual void ProcessaMensagens() = 0;
    virtual void Pausa(int Milissegundos) = 0;

    virtual TMenuOpcoesTEF& Menu() = 0;
    virtual TColetaDadosTEF& Coleta() = 0;
    virtual TVisualizadorTEF& Visualizador() = 0;
    virtual TTelaClienteTEF& TelaCliente() = 0;
};
