#pragma once

#include "BibliotecaSiTef.h"
#include "PendenciasSiTef.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// A client library that answers from a script and records what the station
// handed it.
class TBibliotecaRoteirizada : public TBibliotecaSiTef {
public:
    struct Passo {
        std::int32_t Resultado = 10000;
        std::int32_t Comando = 0;
        std::int32_t TipoCampo = -1;
        std::int16_t Minimo = 0;
        std::int16_t Maximo = 0;
        QByteArray Texto; // written into the buffer as raw bytes, with its zero
    };

    struct Continuacao {
        std::int32_t Continua;
        QByteArray Buffer; // what the station left in the buffer
    };

    struct Inicio {
        std::int32_t Funcao;
        QString Valor, Cupom, Data, Hora, Operador;
        std::optional<QString> Parametros;
    };

    struct Finalizacao {
        std::int16_t Confirma;
        QString Cupom, Data, Hora;
    };

    std::int32_t ResultadoInicio = 10000;
    // The answer of ObtemQuantidadeTransacoesPendentes; std::nullopt: a
    // library without the call.
    std::optional<std::int32_t> QuantidadePendentes;
    // What function 130 lists, apart from the steps of the other functions
    // and from Inicios: Pendentes made into steps, or the steps themselves;
    // neither: a library that does not offer it (its start answers -3).
    std::optional<std::vector<TPendenciaSiTef>> Pendentes;
    std::deque<Passo> PassosConsulta;
    int ConsultasPendentes = 0;
    std::deque<Passo> Passos;
    std::vector<Inicio> Inicios;
    std::vector<Continuacao> Continuacoes;
    std::vector<Finalizacao> Finalizacoes;
    // What the station handed in at continuation I: Continua and the buffer.
    std::pair<std::int32_t, QByteArray> Entregue(size_t I) const {
        return {Continuacoes.at(I).Continua, Continuacoes.at(I).Buffer};
    }

    // Called inside a continuation, before the answer is written.
    std::function<void()> AoContinuar;
    // Called inside the finish call, once it is recorded.
    std::function<void(const Finalizacao&)> AoFinalizar;

    std::int32_t ResultadoConfigura = 0;
    // A library with ConfiguraIntSiTefInterativoEx, and what each
    // configuration was handed as its additional parameters.
    bool ComConfiguracaoEx = true;
    QStringList ParametrosConfiguracao;
    std::int32_t PresencaPinPad = 1;
    // The PIN pad's idle texts, in the order written.
    QStringList MensagensPinPad;

    bool AceitaParametrosConfiguracao() const override { return ComConfiguracaoEx; }
    std::int32_t ConfiguraIntSiTefInterativo(const QString&, const QString&, const QString&,
                                             const QString& Parametros) override {
        ParametrosConfiguracao.append(Parametros);
        return ResultadoConfigura;
    }
    std::int32_t VerificaPresencaPinPad() override { return PresencaPinPad; }
    std::int32_t EscreveMensagemPermanentePinPad(const QString& Mensagem) override {
        MensagensPinPad.append(Mensagem);
        return 0;
    }
    std::int32_t IniciaFuncaoSiTefInterativo(std::int32_t Funcao, const QString& Valor,
                                             const QString& Cupom, const QString& Data,
                                             const QString& Hora, const QString& Operador,
                                             const std::optional<QString>& Parametros) override;
    std::int32_t ContinuaFuncaoSiTefInterativo(TSaidaComando& Saida, TBufferSiTef& Buffer,
                                               std::int32_t Continua) override;
    void FinalizaTransacaoSiTefInterativo(std::int16_t Confirma, const QString& Cupom,
                                          const QString& Data, const QString& Hora) override {
        Finalizacoes.push_back({Confirma, Cupom, Data, Hora});
        if (AoFinalizar) {
            AoFinalizar(Finalizacoes.back());
        }
    }
    std::optional<std::int32_t> ObtemQuantidadeTransacoesPendentes(const QString&,
                                                                   const QString&) override {
        return QuantidadePendentes;
    }

private:
    bool FConsultando = false;
};

// Steps of a script: a command (with the limits 1 and 19), a field type with
// command 0, a final result.
namespace PassosRoteiro {
inline TBibliotecaRoteirizada::Passo Comando(std::int32_t Codigo, const QByteArray& Texto = {},
                                             std::int32_t TipoCampo = -1) {
    return {10000, Codigo, TipoCampo, 1, 19, Texto};
}
inline TBibliotecaRoteirizada::Passo Campo(std::int32_t TipoCampo, const QByteArray& Texto = {}) {
    return {10000, 0, TipoCampo, 0, 0, Texto};
}
inline TBibliotecaRoteirizada::Passo Fim(std::int32_t Resultado) {
    return {Resultado, 0, 0, 0, 0, {}};
}
} // namespace PassosRoteiro
