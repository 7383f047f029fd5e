#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// The station's configuration: section [CONF_TEF] of "Tef_kimbro.Ini" in the
// user's configuration folder. The tab "Configuração" edits the fields it
// shows; the retention periods are set in the file by the store's IT person.
struct TConfiguracaoEstacao {
    QString HostServidor;
    QString IdentEmpresa;
    QString IdentEstacao;
    QString SenhaTEF;
    QString TextoPinPad;
    // The PIX QR code in the station's own window (QRCODE_NA_TELA=1).
    bool QRCodeNaTela = false;
    // Days the daily TEF log files are kept (DIAS_LOG_TEF).
    int DiasLogTEF = 0;
    // Months the transaction journal keeps (MESES_LIVRO_TEF), never fewer
    // than MesesLivroMinimo.
    int MesesLivroTEF = 0;

    // Card takings are reconciled against the acquirers' statements for a
    // year and a month: the journal never keeps less.
    static constexpr int MesesLivroMinimo = 13;

    // A text field with its key, in the order they are read and written.
    using TCampoTexto = std::pair<const char*, QString TConfiguracaoEstacao::*>;
    static const std::vector<TCampoTexto>& CamposTexto();

    // The file: "Tef_kimbro.Ini" in the user's configuration folder (made
    // when missing).
    static QString Arquivo();
    // Every field from Arquivo(); a key absent, or a number that is not one,
    // takes its default.
    static TConfiguracaoEstacao Le();
};

// A field the file's encoding cannot hold: the field and its key, the
// characters refused and the encoding's name.
struct TRecusaConfiguracao {
    QString TConfiguracaoEstacao::*Campo;
    QString Chave;
    QString Recusados;
    QString Codificacao;
};

// Writes the fields the tab edits (the text fields and the QR code's place)
// into Arquivo(), every one checked before any is written: a refusal leaves
// the file as it was. Raises EErroGravacao when the file cannot be written.
std::optional<TRecusaConfiguracao> GravaConfiguracao(const TConfiguracaoEstacao& Configuracao);
