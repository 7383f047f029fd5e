#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// The station's configuration: section [CONF_TEF] of "Tef_kimbro.Ini" in the
// user's configuration folder. The tab "Configuração" edits the fields it
// shows; the software house's CNPJ, the retention periods and the limit of
// parts are set in the file by the store's IT person or its certifier.
struct TConfiguracaoEstacao {
    QString HostServidor;
    QString IdentEmpresa;
    QString IdentEstacao;
    QString SenhaTEF;
    QString TextoPinPad;
    // The store's CNPJ (CNPJ_LOJA), 14 characters, or empty.
    QString CnpjLoja;
    // The PIX QR code in the station's own window (QRCODE_NA_TELA=1).
    bool QRCodeNaTela = false;
    // The library talks to the SiTef server over TLS (COMUNICACAO_TLS=1).
    bool Tls = false;
    // The CNPJ of the software house that certified the installation
    // (CNPJ_SOFTWARE_HOUSE, file only).
    QString CnpjSoftwareHouse;
    // Days the daily TEF log files are kept (DIAS_LOG_TEF).
    int DiasLogTEF = 0;
    // Months the transaction journal keeps (MESES_LIVRO_TEF), never fewer
    // than MesesLivroMinimo.
    int MesesLivroTEF = 0;
    // Payments one sale in parts may take (MAXIMO_PARTES), at least 2.
    int MaximoPartes = 0;

    // Card takings are reconciled against the acquirers' statements for a
    // year and a month: the journal never keeps less.
    static constexpr int MesesLivroMinimo = 13;

    // A text field of the tab with its key, in the order they are read and
    // written.
    using TCampoTexto = std::pair<const char*, QString TConfiguracaoEstacao::*>;
    static const std::vector<TCampoTexto>& CamposTexto();

    // The file: "Tef_kimbro.Ini" in the user's configuration folder (made
    // when missing).
    static QString Arquivo();
    // Every field from Arquivo(); a key absent, or a number that is not one,
    // takes its default.
    static TConfiguracaoEstacao Le();
};

// A CNPJ as the cashier may type it ("12.345.678/0001-95"): its characters,
// letters in capitals.
QString CnpjSemPontuacao(const QString& Texto);

// A field of the tab refused at save: the field, its key and why, in words
// that follow the field's name.
struct TRecusaConfiguracao {
    QString TConfiguracaoEstacao::*Campo;
    QString Chave;
    QString Motivo;
};

// Writes the fields the tab edits (the text fields, the QR code's place and
// TLS) into Arquivo(), every one checked before any is written: a refusal
// leaves the file as it was. The store's CNPJ is kept without its punctuation; one that
// is not a valid CNPJ is refused. Raises EErroGravacao when the file cannot
// be written.
std::optional<TRecusaConfiguracao> GravaConfiguracao(TConfiguracaoEstacao Configuracao);
