#include "BibliotecaRoteirizada.h"

#include <cstring>

std::int32_t TBibliotecaRoteirizada::IniciaFuncaoSiTefInterativo(
    std::int32_t Funcao, const QString& Valor, const QString& Cupom, const QString& Data,
    const QString& Hora, const QString& Operador, const std::optional<QString>& Parametros) {
    Inicios.push_back({Funcao, Valor, Cupom, Data, Hora, Operador, Parametros});
    return ResultadoInicio;
}

std::int32_t TBibliotecaRoteirizada::ContinuaFuncaoSiTefInterativo(TSaidaComando& Saida,
                                                                   TBufferSiTef& Buffer,
                                                                   std::int32_t Continua) {
    Continuacoes.push_back({Continua, Buffer.Bytes()});
    if (AoContinuar) {
        AoContinuar();
    }
    if (Passos.empty()) {
        return 0;
    }
    const Passo Atual = Passos.front();
    Passos.pop_front();
    if (Atual.Resultado == 10000) {
        Saida = {Atual.Comando, Atual.TipoCampo, Atual.Minimo, Atual.Maximo};
        const qsizetype Tamanho = std::min<qsizetype>(Atual.Texto.size(), TBufferSiTef::Tamanho);
        std::memcpy(Buffer.Dados(), Atual.Texto.constData(), static_cast<size_t>(Tamanho));
        if (Tamanho < TBufferSiTef::Tamanho) {
            Buffer.Dados()[Tamanho] = '\0';
        }
    }
    return Atual.Resultado;
}
