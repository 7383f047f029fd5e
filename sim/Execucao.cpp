#include "Execucao.h"

#include "Pendencias.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

namespace sim {
namespace {

constexpr int ResultadoContinua = 10000;
constexpr int ResultadoInterrompida = -2;
constexpr int ResultadoSemFuncao = -3;
constexpr int ResultadoInativa = -1;

bool PedeEntrada(int Comando) {
    return Comando == 20 || Comando == 21 || Comando == 30 || Comando == 31 || Comando == 34 ||
           Comando == 35 || Comando == 41 || Comando == 42;
}

int Inteiro(const nlohmann::json& Objeto, const char* Chave, int Padrao) {
    const auto Item = Objeto.find(Chave);
    return Item != Objeto.end() && Item->is_number_integer() ? Item->get<int>() : Padrao;
}

std::string Aparado(const std::string& Texto) {
    const size_t Inicio = Texto.find_first_not_of(' ');
    return Inicio == std::string::npos
               ? std::string()
               : Texto.substr(Inicio, Texto.find_last_not_of(' ') - Inicio + 1);
}

void Substitui(std::string& Texto, const std::string& Marca, const std::string& Valor) {
    for (size_t Pos = Texto.find(Marca); Pos != std::string::npos;
         Pos = Texto.find(Marca, Pos + Valor.size())) {
        Texto.replace(Pos, Marca.size(), Valor);
    }
}

std::string Parte(const std::string& Texto, size_t Inicio, size_t Tamanho) {
    return Inicio < Texto.size() ? Texto.substr(Inicio, Tamanho) : std::string();
}

} // namespace

int Dialogo::Inicia(const nlohmann::json& Roteiro, DadosInicio Dados) {
    *this = Dialogo();
    const nlohmann::json& Funcoes = Roteiro.at("funcoes");
    const auto Definicao = Funcoes.find(std::to_string(Dados.Funcao));
    if (Definicao == Funcoes.end() || !Definicao->is_object()) {
        return ResultadoSemFuncao;
    }
    FFuncao = *Definicao;
    if (!FFuncao.contains("passos") || !FFuncao["passos"].is_array()) {
        FFuncao["passos"] = nlohmann::json::array();
    }
    FDados = std::move(Dados);
    const int Resultado = Inteiro(FFuncao, "inicio", ResultadoContinua);
    FAtivo = Resultado == ResultadoContinua;
    FAtual = {Quadro{&FFuncao["passos"], 0}};
    if (const auto Desconhecidos = Roteiro.find("desconhecidos");
        Desconhecidos != Roteiro.end() && Desconhecidos->is_object()) {
        PreparaDesconhecidos(*Desconhecidos);
    }
    return Resultado;
}

void Dialogo::PreparaDesconhecidos(const nlohmann::json& Desconhecidos) {
    if (const int Comando = Inteiro(Desconhecidos, "comando", 0); Comando != 0) {
        FComandoDesconhecido = {{"comando", Comando}, {"texto", TextoDesconhecido}};
        FAntesDoProximo.push_back(&FComandoDesconhecido);
    }
    if (Desconhecidos.contains("tipoCampo")) {
        FCampoDesconhecido = {{"comando", 0},
                              {"tipoCampo", Inteiro(Desconhecidos, "tipoCampo", -1)},
                              {"texto", TextoDesconhecido}};
        FAntesDoProximo.push_back(&FCampoDesconhecido);
    }
}

int Dialogo::Continua(int ValorContinua, const std::string& Resposta, ComandoSaida& Saida) {
    if (!FAtivo) {
        return ResultadoInativa;
    }
    if (ValorContinua == -1) {
        return Encerra(ResultadoInterrompida);
    }
    AplicaResposta(ValorContinua, Resposta);
    if (!FAntesDoProximo.empty()) {
        const nlohmann::json& Passo = *FAntesDoProximo.front();
        FAntesDoProximo.erase(FAntesDoProximo.begin());
        return Apresenta(Passo, FAtual, Saida);
    }
    if (!FCampoDesconhecido.is_null()) {
        FAntesDoProximo.push_back(&FCampoDesconhecido);
    }
    return ApresentaProximo(Saida);
}

void Dialogo::AplicaResposta(int ValorContinua, const std::string& Resposta) {
    if (FUltimoPasso == nullptr || !PedeEntrada(Inteiro(*FUltimoPasso, "comando", 0))) {
        return;
    }
    if (ValorContinua == 1) {
        // Back: the step before the one just answered is presented again.
        if (FEntradas.size() > 1) {
            FEntradas.pop_back();
        }
        FAtual = FEntradas.back();
        FEntradas.pop_back();
        return;
    }
    const int TipoCampo = Inteiro(*FUltimoPasso, "tipoCampo", -1);
    if (TipoCampo == 512) {
        FCartao = Resposta;
    }
    if (TipoCampo == 146 || Inteiro(*FUltimoPasso, "comando", 0) == 34) {
        FValorColetado = Resposta;
    }
    SegueRamo(Resposta);
}

void Dialogo::SegueRamo(const std::string& Resposta) {
    const auto Ramos = FUltimoPasso->find("ramos");
    if (Ramos == FUltimoPasso->end() || !Ramos->is_object()) {
        return;
    }
    auto Ramo = Ramos->find(Resposta);
    if (Ramo == Ramos->end()) {
        Ramo = Ramos->find("*");
    }
    if (Ramo != Ramos->end() && Ramo->is_array()) {
        FAtual.push_back(Quadro{&*Ramo, 0});
    }
}

void Dialogo::SegueParametros(const nlohmann::json& Ramos) {
    const nlohmann::json* Escolhido = nullptr;
    for (const auto& [Texto, Passos] : Ramos.items()) {
        if (Texto != "*" && FDados.Parametros.find(Texto) != std::string::npos) {
            Escolhido = &Passos;
            break;
        }
    }
    if (Escolhido == nullptr && Ramos.contains("*")) {
        Escolhido = &Ramos["*"];
    }
    if (Escolhido != nullptr && Escolhido->is_array()) {
        FAtual.push_back(Quadro{Escolhido, 0});
    }
}

int Dialogo::ApresentaProximo(ComandoSaida& Saida) {
    while (!FAtual.empty() && FAtual.back().Indice >= FAtual.back().Passos->size()) {
        FAtual.pop_back();
    }
    if (FAtual.empty()) {
        return Encerra(Inteiro(FFuncao, "resultado", 0));
    }
    const Posicao Antes = FAtual;
    const nlohmann::json& Passo = (*FAtual.back().Passos)[FAtual.back().Indice++];
    if (!Passo.is_object()) {
        return ApresentaProximo(Saida);
    }
    if (Passo.contains("resultado")) {
        return Encerra(Inteiro(Passo, "resultado", 0));
    }
    if (const auto Ramos = Passo.find("porParametros"); Ramos != Passo.end()) {
        if (Ramos->is_object()) {
            SegueParametros(*Ramos);
        }
        return ApresentaProximo(Saida);
    }
    return Apresenta(Passo, Antes, Saida);
}

int Dialogo::Apresenta(const nlohmann::json& Passo, const Posicao& Antes, ComandoSaida& Saida) {
    // "pausa": the library takes this long before it answers (a host, a
    // customer's phone).
    if (const int Pausa = Inteiro(Passo, "pausa", 0); Pausa > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(Pausa));
    }
    Saida.Comando = Inteiro(Passo, "comando", 0);
    Saida.TipoCampo = Inteiro(Passo, "tipoCampo", -1);
    Saida.Minimo = Inteiro(Passo, "min", 0);
    Saida.Maximo = Inteiro(Passo, "max", 0);
    Saida.Texto = Preenche(Passo.value("texto", std::string()));
    if (Saida.TipoCampo == 121 || Saida.TipoCampo == 122) {
        FEntregouComprovante = true;
    }
    if (Saida.TipoCampo == 134) {
        FNsuHost = Saida.Texto;
    }
    if (PedeEntrada(Saida.Comando)) {
        FEntradas.push_back(Antes);
    }
    FUltimoPasso = &Passo;
    return ResultadoContinua;
}

int Dialogo::Encerra(int Resultado) {
    FAtivo = false;
    if (Resultado == 0 && FEntregouComprovante) {
        RegistraPendente(FDados.Cupom, FDados.Data, FDados.Hora, FNsuHost);
    }
    return Resultado;
}

std::string Dialogo::Preenche(std::string Texto) const {
    if (Texto.find('{') == std::string::npos) {
        return Texto;
    }
    const std::string Final4 = FCartao.size() >= 4 ? FCartao.substr(FCartao.size() - 4) : FCartao;
    std::string Nsu = FDados.Cupom;
    Nsu.insert(0, Nsu.size() < 6 ? 6 - Nsu.size() : 0, '0');
    const unsigned Autorizacao =
        static_cast<unsigned>(std::hash<std::string>{}(FDados.Cupom + FDados.Data) % 1000000);
    std::string TextoAutorizacao = std::to_string(Autorizacao);
    TextoAutorizacao.insert(0, 6 - TextoAutorizacao.size(), '0');

    Substitui(Texto, "{valor}", Aparado(FDados.Valor));
    Substitui(Texto, "{cupom}", FDados.Cupom);
    Substitui(Texto, "{data}", FDados.Data);
    Substitui(Texto, "{hora}", FDados.Hora);
    Substitui(Texto, "{dataBR}",
              Parte(FDados.Data, 6, 2) + "/" + Parte(FDados.Data, 4, 2) + "/" +
                  Parte(FDados.Data, 0, 4));
    Substitui(Texto, "{horaBR}", Parte(FDados.Hora, 0, 2) + ":" + Parte(FDados.Hora, 2, 2));
    Substitui(Texto, "{cartaoMascarado}", "************" + Final4);
    Substitui(Texto, "{valorColetado}", Aparado(FValorColetado));
    Substitui(Texto, "{nsu}", Nsu);
    Substitui(Texto, "{autorizacao}", TextoAutorizacao);
    return Texto;
}

} // namespace sim
