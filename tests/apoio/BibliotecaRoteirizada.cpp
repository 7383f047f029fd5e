#include "BibliotecaRoteirizada.h"

#include "FuncoesSiTef.h"

#include <cstring>

std::int32_t TBibliotecaRoteirizada::IniciaFuncaoSiTefInterativo(
    std::int32_t Funcao, const QString& Valor, const QString& Cupom, const QString& Data,
    const QString& Hora, const QString& Operador, const std::optional<QString>& Parametros) {
    if (Funcao == FuncaoSiTef::ConsultaPendencias) {
        ++ConsultasPendentes;
        if (Pendentes) {
            PassosConsulta = {PassosRoteiro::Campo(210, QByteArray::number(Pendentes->size()))};
            for (const TPendenciaSiTef& P : *Pendentes) {
                for (const auto& [Tipo, Texto] : {std::pair{160, P.Documento},
                                                  {163, P.Data},
                                                  {164, P.Hora},
                                                  {134, P.NsuHost}}) {
                    PassosConsulta.push_back(PassosRoteiro::Campo(Tipo, Texto.toLatin1()));
                }
            }
            PassosConsulta.push_back(PassosRoteiro::Fim(0));
        }
        FConsultando = !PassosConsulta.empty();
        return FConsultando ? 10000 : -3;
    }
    Inicios.push_back({Funcao, Valor, Cupom, Data, Hora, Operador, Parametros});
    return ResultadoInicio;
}

std::int32_t TBibliotecaRoteirizada::ContinuaFuncaoSiTefInterativo(TSaidaComando& Saida,
                                                                   TBufferSiTef& Buffer,
                                                                   std::int32_t Continua) {
    if (FConsultando) {
        const Passo Atual = PassosConsulta.empty() ? PassosRoteiro::Fim(0) : PassosConsulta.front();
        if (!PassosConsulta.empty()) {
            PassosConsulta.pop_front();
        }
        FConsultando = Atual.Resultado == 10000;
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
