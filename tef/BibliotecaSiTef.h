#pragma once

#include "BufferSiTef.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>

// Outputs of a continuation call: what the library asks the station to do.
struct TSaidaComando {
    std::int32_t Comando = 0;
    std::int32_t TipoCampo = 0;
    std::int16_t TamanhoMinimo = 0;
    std::int16_t TamanhoMaximo = 0;
};

// Library results the station tells apart.
namespace ResultadoSiTef {
inline constexpr std::int32_t Continua = 10000;
inline constexpr std::int32_t Ok = 0;
inline constexpr std::int32_t NaoInicializado = -1;
} // namespace ResultadoSiTef

// The field type that carries a PIX QR code's contents with command 50:
// shown to the customer, never logged.
inline constexpr std::int32_t TipoCampoQRCode = 584;

namespace TabelaSiTef {
template <std::size_t N>
constexpr bool Contem(const std::int32_t (&Tabela)[N], std::int32_t Codigo) {
    return std::find(std::begin(Tabela), std::end(Tabela), Codigo) != std::end(Tabela);
}
} // namespace TabelaSiTef

// The library's public command table, all of which the loops serve. The
// buffer of any other command may hold anything: it is never logged.
constexpr bool ComandoConhecido(std::int32_t Comando) {
    constexpr std::int32_t Tabela[] = {0,  1,  2,  3,  4,  11, 12, 13, 14, 15, 16, 20, 21,
                                       22, 23, 29, 30, 31, 34, 35, 41, 42, 50, 51, 52};
    return TabelaSiTef::Contem(Tabela, Comando);
}

// The field types the station reads from command 0: the loops' (a result to
// be viewed, the transaction's moment, the receipt copies, who authorised it,
// the amount's collection) and the pending list's (its count, each one's
// document, date and time). New versions of the library bring new ones; any
// other is ignored, its text neither kept nor logged.
constexpr bool TipoCampoLido(std::int32_t TipoCampo) {
    constexpr std::int32_t Tabela[] = {19,  36,  105, 121, 122, 131, 132,
                                       133, 134, 146, 160, 163, 164, 210};
    return TabelaSiTef::Contem(Tabela, TipoCampo);
}

// A step the station ignores: a command outside the public table, or
// command 0 with a field type it does not read.
constexpr bool PassoIgnorado(const TSaidaComando& Saida) {
    return !ComandoConhecido(Saida.Comando) ||
           (Saida.Comando == 0 && !TipoCampoLido(Saida.TipoCampo));
}

// The calls the station makes into the SiTef interactive client library.
// TCliSiTef binds the real library; tests answer with a scripted one.
class TBibliotecaSiTef {
public:
    virtual ~TBibliotecaSiTef() = default;

    // The library's configuration: ConfiguraIntSiTefInterativoEx with
    // ParametrosAdicionais where the library has it (AceitaParametrosConfiguracao),
    // the four-argument call otherwise (ParametrosAdicionais then cannot be
    // given).
    virtual std::int32_t ConfiguraIntSiTefInterativo(const QString& EnderecoIP,
                                                     const QString& CodigoLoja,
                                                     const QString& NumeroTerminal,
                                                     const QString& ParametrosAdicionais) = 0;
    virtual bool AceitaParametrosConfiguracao() const { return false; }
    virtual std::int32_t VerificaPresencaPinPad() = 0;
    virtual std::int32_t EscreveMensagemPermanentePinPad(const QString& Mensagem) = 0;
    // ParametrosAdicionais: std::nullopt hands the library a null text.
    virtual std::int32_t
    IniciaFuncaoSiTefInterativo(std::int32_t Funcao, const QString& Valor,
                                const QString& CupomFiscal, const QString& DataFiscal,
                                const QString& HoraFiscal, const QString& Operador,
                                const std::optional<QString>& ParametrosAdicionais) = 0;
    virtual std::int32_t ContinuaFuncaoSiTefInterativo(TSaidaComando& Saida, TBufferSiTef& Buffer,
                                                       std::int32_t Continua) = 0;
    virtual void FinalizaTransacaoSiTefInterativo(std::int16_t Confirma, const QString& CupomFiscal,
                                                  const QString& DataFiscal,
                                                  const QString& HoraFiscal) = 0;
    // How many payments of that fiscal document ("yyyymmdd" date) the library
    // holds pending confirmation, -13 for a document it does not know;
    // std::nullopt when the library does not offer the call.
    virtual std::optional<std::int32_t>
    ObtemQuantidadeTransacoesPendentes(const QString& /*DataFiscal*/,
                                       const QString& /*CupomFiscal*/) {
        return std::nullopt;
    }

    // Why the library cannot serve the station (not found, or a function
    // missing), with the file and the system's reason; empty when it can.
    virtual QString Falha() const { return QString(); }
};
