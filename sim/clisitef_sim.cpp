// The functions of the SiTef interactive client library, answered from a
// scenario and recorded in the journal.

#include "Diario.h"
#include "Execucao.h"
#include "Pendencias.h"
#include "Roteiro.h"
#include "Texto.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#define SIM_EXPORTA extern "C" __attribute__((visibility("default")))

namespace {

// Lists the pending transactions; it disregards the fiscal document, so its
// start undoes nothing.
constexpr int CodigoConsultaPendentes = 130;
constexpr int DocumentoNaoEncontrado = -13;

sim::Dialogo& DialogoAtual() {
    static sim::Dialogo Dialogo;
    return Dialogo;
}

std::string Utf8(const char* Texto) {
    return Texto == nullptr ? std::string() : sim::Win1252ParaUtf8(Texto);
}

nlohmann::json Nulavel(const char* Texto) {
    return Texto == nullptr ? nlohmann::json(nullptr) : nlohmann::json(Utf8(Texto));
}

bool Vazio(const char* Texto) {
    return Texto == nullptr ||
           std::string_view(Texto).find_first_not_of(' ') == std::string_view::npos;
}

int ResultadoForcado(const nlohmann::json& Roteiro, const char* Secao, const char* Chave,
                     int Padrao) {
    const auto Item = Roteiro.find(Secao);
    if (Item == Roteiro.end() || !Item->is_object()) {
        return Padrao;
    }
    const auto Valor = Item->find(Chave);
    return Valor != Item->end() && Valor->is_number_integer() ? Valor->get<int>() : Padrao;
}

// The scenario for a start of Funcao: function 130 is served from the pending
// list unless the scenario scripts it.
nlohmann::json RoteiroDaFuncao(int Funcao) {
    nlohmann::json Roteiro = sim::CarregaRoteiro();
    const std::string Codigo = std::to_string(CodigoConsultaPendentes);
    if (Funcao == CodigoConsultaPendentes && !Roteiro["funcoes"].contains(Codigo)) {
        Roteiro["funcoes"][Codigo] =
            sim::FuncaoConsultaPendentes(ResultadoForcado(Roteiro, "pendentes", "consulta", 10000));
    }
    return Roteiro;
}

void EscreveTexto(char* Buffer, int Tamanho, const std::string& TextoUtf8) {
    if (Buffer == nullptr || Tamanho <= 0) {
        return;
    }
    const std::string Bytes = sim::Utf8ParaWin1252(TextoUtf8);
    const size_t Comprimento = std::min(Bytes.size(), static_cast<size_t>(Tamanho) - 1);
    std::memcpy(Buffer, Bytes.data(), Comprimento);
    Buffer[Comprimento] = '\0';
}

// Both configuration calls, journaled under the four-argument call's name:
// the Ex call adds its parameters to the line.
int Configura(const char* EnderecoIP, const char* CodigoLoja, const char* NumeroTerminal,
              const nlohmann::json* Parametros) {
    int Resultado = 0;
    if (Vazio(EnderecoIP)) {
        Resultado = 1;
    } else if (Vazio(CodigoLoja)) {
        Resultado = 2;
    } else if (Vazio(NumeroTerminal)) {
        Resultado = 3;
    }
    Resultado = ResultadoForcado(sim::CarregaRoteiro(), "configuracao", "resultado", Resultado);
    nlohmann::json Linha = {{"chamada", "ConfiguraIntSiTefInterativo"},
                            {"ip", Utf8(EnderecoIP)},
                            {"loja", Utf8(CodigoLoja)},
                            {"terminal", Utf8(NumeroTerminal)},
                            {"resultado", Resultado}};
    if (Parametros != nullptr) {
        Linha["parametros"] = *Parametros;
    }
    sim::Registra(Linha);
    return Resultado;
}

} // namespace

SIM_EXPORTA int ConfiguraIntSiTefInterativo(const char* EnderecoIP, const char* CodigoLoja,
                                            const char* NumeroTerminal, short /*Reservado*/) {
    return Configura(EnderecoIP, CodigoLoja, NumeroTerminal, nullptr);
}

SIM_EXPORTA int ConfiguraIntSiTefInterativoEx(const char* EnderecoIP, const char* CodigoLoja,
                                              const char* NumeroTerminal, short /*Reservado*/,
                                              const char* ParametrosAdicionais) {
    const nlohmann::json Parametros = Nulavel(ParametrosAdicionais);
    return Configura(EnderecoIP, CodigoLoja, NumeroTerminal, &Parametros);
}

SIM_EXPORTA int VerificaPresencaPinPad() {
    const int Resultado = ResultadoForcado(sim::CarregaRoteiro(), "pinpad", "presenca", 1);
    sim::Registra({{"chamada", "VerificaPresencaPinPad"}, {"resultado", Resultado}});
    return Resultado;
}

SIM_EXPORTA int EscreveMensagemPermanentePinPad(const char* Mensagem) {
    sim::Registra({{"chamada", "EscreveMensagemPermanentePinPad"},
                   {"mensagem", Utf8(Mensagem)},
                   {"resultado", 0}});
    return 0;
}

SIM_EXPORTA int IniciaFuncaoSiTefInterativo(int Funcao, const char* Valor, const char* Cupom,
                                            const char* Data, const char* Hora,
                                            const char* Operador, const char* Parametros) {
    if (Funcao != CodigoConsultaPendentes) {
        sim::DesfazPendentes(Utf8(Cupom), Utf8(Data), Utf8(Hora));
    }
    const int Resultado = DialogoAtual().Inicia(
        RoteiroDaFuncao(Funcao), sim::DadosInicio{Funcao, Utf8(Valor), Utf8(Cupom), Utf8(Data),
                                                  Utf8(Hora), Utf8(Operador), Utf8(Parametros)});
    sim::Registra({{"chamada", "IniciaFuncaoSiTefInterativo"},
                   {"funcao", Funcao},
                   {"valor", Utf8(Valor)},
                   {"cupom", Utf8(Cupom)},
                   {"data", Utf8(Data)},
                   {"hora", Utf8(Hora)},
                   {"operador", Utf8(Operador)},
                   {"parametros", Nulavel(Parametros)},
                   {"resultado", Resultado}});
    return Resultado;
}

SIM_EXPORTA int ContinuaFuncaoSiTefInterativo(int* Comando, long* TipoCampo, short* Minimo,
                                              short* Maximo, char* Buffer, int Tamanho,
                                              int Continua) {
    const std::string Resposta = sim::Win1252ParaUtf8(sim::TextoLimitado(Buffer, Tamanho));
    sim::ComandoSaida Saida;
    const int Resultado = DialogoAtual().Continua(Continua, Resposta, Saida);
    nlohmann::json Linha = {{"chamada", "ContinuaFuncaoSiTefInterativo"},
                            {"continua", Continua},
                            {"tamanho", Tamanho},
                            // What the operator typed, card numbers masked.
                            {"buffer", sim::MascaraCartao(Resposta)},
                            {"resultado", Resultado}};
    if (Resultado == 10000) {
        if (Comando != nullptr)
            *Comando = Saida.Comando;
        if (TipoCampo != nullptr)
            *TipoCampo = Saida.TipoCampo;
        if (Minimo != nullptr)
            *Minimo = static_cast<short>(Saida.Minimo);
        if (Maximo != nullptr)
            *Maximo = static_cast<short>(Saida.Maximo);
        EscreveTexto(Buffer, Tamanho, Saida.Texto);
        Linha.update({{"comando", Saida.Comando},
                      {"tipoCampo", Saida.TipoCampo},
                      {"min", Saida.Minimo},
                      {"max", Saida.Maximo},
                      {"texto", Saida.Texto}});
    }
    sim::Registra(Linha);
    return Resultado;
}

SIM_EXPORTA void FinalizaTransacaoSiTefInterativo(short Confirma, const char* Cupom,
                                                  const char* Data, const char* Hora) {
    sim::Registra({{"chamada", "FinalizaTransacaoSiTefInterativo"},
                   {"confirma", Confirma},
                   {"cupom", Utf8(Cupom)},
                   {"data", Utf8(Data)},
                   {"hora", Utf8(Hora)}});
    // The real call talks to the server and can take seconds: a station
    // may die between the call and its answer.
    if (const char* Pausa = std::getenv("CLISITEF_SIM_PAUSA_FINALIZA")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(Pausa)));
    }
    sim::ResolvePendente(Utf8(Cupom), Confirma == 1);
}

SIM_EXPORTA int ObtemQuantidadeTransacoesPendentes(const char* DataFiscal,
                                                   const char* CupomFiscal) {
    const std::string Data = Utf8(DataFiscal);
    const std::string Cupom = Utf8(CupomFiscal);
    const int Quantidade = sim::QuantidadePendentes(Cupom, Data);
    const int Resultado = Quantidade > 0 ? Quantidade : DocumentoNaoEncontrado;
    sim::Registra({{"chamada", "ObtemQuantidadeTransacoesPendentes"},
                   {"data", Data},
                   {"cupom", Cupom},
                   {"resultado", Resultado}});
    return Resultado;
}
