#include "BibliotecaRoteirizada.h"

#include "FuncoesSiTef.h"

#include <cstring>

std::int32_t TBibliotecaRoteirizada::IniciaFuncaoSiTefInterativo(
    std::int32_t Funcao, const QString& Valor, const QString& Cupom, const QString& Data,
    const QString& Hora, const QString& Operador, const std::optional<QString>& Parametros) {
    if (Funcao == FuncaoSiTef::ConsultaPendencias) {
        ++ConsultasPendentes;
        if (!Pendentes) {
            return -3;
        }
        FListagem = {PassosRoteiro::Campo(210, QByteArray::number(Pendentes->size()))};
        for (const TPendenciaSiTef& P : *Pendentes) {
            for (const auto& [Tipo, Texto] :
                 {std::pair{160, P.Documento}, {163, P.Data}, {164, P.Hora}, {134, P.NsuHost}}) {
                FListagem.push_back(PassosRoteiro::Campo(Tipo, Texto.toLatin1()));
            }
        }
        FListagem.push_back(PassosRoteiro::Fim(0));
        return 10000;
    }
    Inicios.push_back({Funcao, Valor, Cupom, Data, Hora, Operador, Parametros});
    return ResultadoInicio;
}

std::int32_t TBibliotecaRoteirizada::ContinuaFuncaoSiTefInterativo(TSaidaComando& Saida,
                                                                   TBufferSiTef& Buffer,
                                                                   std::int32_t Continua) {
    if (!FListagem.empty()) {
        const Passo Atual = FListagem.front();
        FListagem.pop_front();
        Saida = {Atual.Comando, Atual.TipoCampo, Atual.Minimo, Atual.Maximo};
        Buffer.EscreveResposta(QString::fromLatin1(Atual.Texto));
        return Atual.Resultado;
    }
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
