#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace sim {

struct DadosInicio {
    int Funcao = 0;
    std::string Valor, Cupom, Data, Hora, Operador;
    std::string Parametros; // the additional parameters; empty for a null text
};

// What a continuation hands back to the station.
struct ComandoSaida {
    int Comando = 0;
    long TipoCampo = -1;
    int Minimo = 0;
    int Maximo = 0;
    std::string Texto; // UTF-8
};

// One function's dialogue, walking the scenario's steps. A step's "ramos"
// maps the station's reply to the steps that follow it (then the walk goes on
// after the step); "*" catches any other reply. A step holding "resultado"
// ends the function with that result. A step holding "porParametros" maps a
// text found in the start call's additional parameters to the steps that
// follow ("*" otherwise), as a library whose behaviour those parameters
// change. Continuation -1 ends it with -2;
// continuation 1 presents again the previous step that asked for input. The
// scenario's "desconhecidos" plays a newer library than the station: a step
// of command 0 with its "tipoCampo" before every step and the final result,
// and one of its "comando" before the first, both holding TextoDesconhecido.
class Dialogo {
public:
    // Returns the start call's result; 10000 opens the dialogue.
    int Inicia(const nlohmann::json& Roteiro, DadosInicio Dados);
    // Resposta: the station's reply to the last step, in UTF-8.
    int Continua(int ValorContinua, const std::string& Resposta, ComandoSaida& Saida);

private:
    struct Quadro {
        const nlohmann::json* Passos;
        size_t Indice;
    };
    using Posicao = std::vector<Quadro>;

    void AplicaResposta(int ValorContinua, const std::string& Resposta);
    void SegueRamo(const std::string& Resposta);
    void SegueParametros(const nlohmann::json& Ramos);
    void PreparaDesconhecidos(const nlohmann::json& Desconhecidos);
    int ApresentaProximo(ComandoSaida& Saida);
    int Apresenta(const nlohmann::json& Passo, const Posicao& Antes, ComandoSaida& Saida);
    int Encerra(int Resultado);
    std::string Preenche(std::string Texto) const;

    nlohmann::json FFuncao;
    DadosInicio FDados;
    bool FAtivo = false;
    Posicao FAtual;
    const nlohmann::json* FUltimoPasso = nullptr;
    std::vector<Posicao> FEntradas; // where each input step that was presented stands
    bool FEntregouComprovante = false;
    std::string FNsuHost; // field 134, kept with the pending transaction
    std::string FCartao;
    std::string FValorColetado;
    nlohmann::json FCampoDesconhecido, FComandoDesconhecido;
    std::vector<const nlohmann::json*> FAntesDoProximo; // sent before the next step
};

// What the steps of "desconhecidos" carry: data the station must neither
// keep nor log, a card number among it.
inline constexpr char TextoDesconhecido[] = "DADO NOVO 6011000990139424";

} // namespace sim
