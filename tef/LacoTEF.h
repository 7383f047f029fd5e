#pragma once

#include "FAT_DM_TEF_OFFLINE.h"

#include <QDateTime>

#include <cstdint>
#include <set>
#include <utility>

// How one interactive loop serves the library differently from the other.
// The sale and the administrative functions share the dispatcher below; every
// way in which they part is one field here, so the list stays in one place.
struct TRegrasLaco {
    // 1-3: a text with "OK", "AUTORIZA", "APROVADA" or "SALDO" holds the loop
    // two seconds so the operator can read it.
    bool PausaAprovacao;
    // 1-3: a blank text opens no wait box but still sets Continua to 0.
    bool MensagemVaziaContinua;
    // Pending window messages are processed after every iteration (false:
    // only right after a wait box of commands 1-3 opened).
    bool ProcessaACadaIteracao;
    // 20: "&Sim"/"&Não"/"&Cancelar", "&Cancelar" interrupting and a closed
    // question leaving the library's text; otherwise only "&Sim"/"&Não",
    // always replied, with Continua 0.
    bool PerguntaComCancelar;
    // 21: a menu from the library means the link is up (StatusTEF 0).
    bool MenuMarcaTEFAtivo;
    // 22: the first notice of a view-only result without receipt text goes
    // to the text viewer.
    bool NotaNoVisualizador;
    // 30 with field type 500: the supervisor password (collection kind 5).
    bool SenhaNoCampo500;
    // 31 and 35: the reply is Continua in decimal, ":" and the value;
    // otherwise 31 replies "1" and the value, 35 the value.
    bool RespostaComContinua;
    // After an abandoned collection the reply is still written (otherwise the
    // buffer keeps the library's text).
    bool RespondeAposAbandono;
    // The collection's exit code is emptied after each showing and at field
    // type 146.
    bool LimpaCodigoSaida;
    // 34: the zero-amount refusal ends once the amount was collected.
    bool ValorEncerraExigencia;
};

inline constexpr TRegrasLaco RegrasVenda{
    .PausaAprovacao = true,
    .MensagemVaziaContinua = false,
    .ProcessaACadaIteracao = true,
    .PerguntaComCancelar = true,
    .MenuMarcaTEFAtivo = true,
    .NotaNoVisualizador = true,
    .SenhaNoCampo500 = false,
    .RespostaComContinua = false,
    .RespondeAposAbandono = true,
    .LimpaCodigoSaida = true,
    .ValorEncerraExigencia = false,
};

inline constexpr TRegrasLaco RegrasFuncao{
    .PausaAprovacao = false,
    .MensagemVaziaContinua = true,
    .ProcessaACadaIteracao = false,
    .PerguntaComCancelar = false,
    .MenuMarcaTEFAtivo = false,
    .NotaNoVisualizador = false,
    .SenhaNoCampo500 = true,
    .RespostaComContinua = true,
    .RespondeAposAbandono = false,
    .LimpaCodigoSaida = false,
    .ValorEncerraExigencia = true,
};

// Serves the library's commands and field types, one iteration at a time,
// until its final result. The caller has opened the function and owns the
// dialogs; the loop fills the receipt list and the view-only mark.
class TLacoTEF {
public:
    // Inicio: the transaction's own moment, which field type 105 records.
    TLacoTEF(TAmbienteTEF& Ambiente, const TRegrasLaco& Regras, const QDateTime& Inicio,
             TNStringList& Comprovante);

    // Field type 105 also adds the moment here, when set.
    TNStringList* DadosTransacao = nullptr;
    // Field types 19 and 36: the result is to be viewed, not printed.
    bool SoVisualizar = false;
    // Field type 121 arrived: the customer's copy.
    bool RecebeuComprovante = false;
    // Field types 131 to 134.
    TAutorizacaoTEF Autorizacao;
    // The last amount confirmed at command 34.
    QString ValorInformado;

    // What the dialogue told of the transaction, into its journal record.
    void Anota(TLancamentoTEF& Lancamento) const;

    // Sets Continua to 0 and returns the first result that is not 10000.
    std::int32_t Executa();

private:
    void Atende(const TSaidaComando& Saida, TBufferSiTef& Buffer, const QString& Texto);
    void AtendeComando(const TSaidaComando& Saida, TBufferSiTef& Buffer, const QString& Texto);
    void AtendeTipoCampo(const TSaidaComando& Saida, const QString& Texto);
    void Ignora(const TSaidaComando& Saida);
    void ContaSemProgresso(std::int32_t& Contador);
    void Mensagem(const QString& Texto);
    void Pergunta(TBufferSiTef& Buffer, const QString& Texto);
    void Notifica(const QString& Texto);
    void Espera();
    void QRCode(const TSaidaComando& Saida, const QString& Texto);
    void ColetaDados(TBufferSiTef& Buffer, const QString& Texto, const TSaidaComando& Saida,
                     std::int32_t TipoColeta);

    TAmbienteTEF& FAmbiente;
    const TRegrasLaco FRegras;
    QDateTime FInicio;
    TNStringList& FComprovante;
    std::int32_t FContadorEspera = 0;
    // Steps ignored with only messages between them, and the command and
    // field type pairs already warned about in this transaction.
    std::int32_t FIgnoradosSeguidos = 0;
    std::set<std::pair<std::int32_t, std::int32_t>> FAvisados;
};
