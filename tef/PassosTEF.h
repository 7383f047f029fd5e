#pragma once

#include "BibliotecaSiTef.h"
#include "LivroTransacoes.h"
#include "OperadorTEF.h"
#include "TNStringList.h"

#include <QString>

#include <cstdint>
#include <optional>

// The steps the interactive loops share. Where the sale and the
// administrative functions differ, each loop says so itself.
namespace PassosTEF {

// The continuation value for a dialog's exit code: "0" abandoned (-1), "999"
// back (1), anything else confirmed (0).
std::int32_t ContinuaDoCodigo(const QString& Codigo);

struct TResultadoColeta {
    QString CodigoSaida;
    QString Valor;
};

// Shows the data-collection dialog for one library command: the prompt, the
// library's limits, the kind of entry (CodigosDialogo::Coleta...).
TResultadoColeta Coleta(TOperadorTEF& Operador, const QString& Mensagem, const TSaidaComando& Saida,
                        std::int32_t TipoColeta);

// A yes/no question with "&Cancelar": "&Sim" replies "0", "&Não" "1",
// "&Cancelar" interrupts (Continua -1); closed without a button, the
// library's text stays in the buffer.
void PerguntaSimNaoCancelar(TOperadorTEF& Operador, TBufferSiTef& Buffer, const QString& Mensagem);

// What the menu answers: the reply for the buffer and the continuation.
struct TEscolhaMenu {
    QString Resposta;
    std::int32_t Continua = 0;
};

// Offers the library's menu; the choice as the dialog reports it.
TEscolhaMenu EscolheOpcao(TOperadorTEF& Operador, const QString& Opcoes);

// Keeps a receipt copy: 121 the customer's, 122 the store's after the
// separator ("cliente", 48 dashes, "loja"). False for other field types.
bool GuardaVia(TNStringList& Comprovante, std::int32_t TipoCampo, const QString& Mensagem);

// Keeps what field types 131 to 134 say of who authorised the transaction.
// False for other field types.
bool GuardaAutorizacao(TAutorizacaoTEF& Autorizacao, std::int32_t TipoCampo,
                       const QString& Mensagem);

// The fixed message of a final result -1 to -5.
std::optional<QString> MensagemDoResultado(std::int32_t Resultado);

} // namespace PassosTEF
