#include "PendenciasSiTef.h"

#include "FuncoesSiTef.h"
#include "Relogio.h"

#include <QDateTime>

#include <algorithm>

namespace {

// Field types of function 130's answer: after the count (210), a block per
// payment that starts with its document.
constexpr std::int32_t CampoDocumento = 160;
constexpr std::int32_t CampoData = 163;
constexpr std::int32_t CampoHora = 164;
constexpr std::int32_t CampoNsuHost = 134;
// The library's answer when it does not know the document.
constexpr std::int32_t DocumentoNaoEncontrado = -13;
// A list longer than any counter holds pending ends the query: a library
// that never ends it cannot hold the start.
constexpr int MaximoDePassos = 20000;
constexpr std::int32_t Interrompe = -1;

// The field data (command 0) that the list is made of; every other command
// is a message that needs nothing, or a question this query never answers.
bool SoInforma(std::int32_t Comando) {
    return Comando == 0 || (Comando >= 1 && Comando <= 4) || (Comando >= 11 && Comando <= 16);
}

} // namespace

TPendenciasSiTef::TPendenciasSiTef(TBibliotecaSiTef& Biblioteca) : FBiblioteca(Biblioteca) {
    FTemLista = Consulta();
    if (!FTemLista) {
        FLista.clear();
    }
}

bool TPendenciasSiTef::Consulta() {
    const QDateTime Agora = Relogio::Agora();
    std::int32_t Resultado = FBiblioteca.IniciaFuncaoSiTefInterativo(
        FuncaoSiTef::ConsultaPendencias, QString(), QString(),
        Agora.toString(QStringLiteral("yyyyMMdd")), Agora.toString(QStringLiteral("HHmmss")),
        QString(), std::nullopt);
    TBufferSiTef Buffer;
    TSaidaComando Saida;
    std::int32_t Continua = 0;
    for (int Passo = 0; Resultado == ResultadoSiTef::Continua; ++Passo) {
        Resultado = FBiblioteca.ContinuaFuncaoSiTefInterativo(Saida, Buffer, Continua);
        if (Resultado != ResultadoSiTef::Continua) {
            break;
        }
        if (Continua == Interrompe) {
            continue; // the library is ending the query it was told to end
        }
        if (!SoInforma(Saida.Comando) || Passo >= MaximoDePassos) {
            Continua = Interrompe;
            continue;
        }
        if (Saida.Comando != 0) {
            continue;
        }
        const QString Texto = Buffer.TextoMensagem().trimmed();
        if (Saida.TipoCampo == CampoDocumento) {
            FLista.push_back({Texto, {}, {}, {}});
        } else if (!FLista.empty() && Saida.TipoCampo == CampoData) {
            FLista.back().Data = Texto;
        } else if (!FLista.empty() && Saida.TipoCampo == CampoHora) {
            FLista.back().Hora = Texto;
        } else if (!FLista.empty() && Saida.TipoCampo == CampoNsuHost) {
            FLista.back().NsuHost = Texto;
        }
    }
    return Resultado == ResultadoSiTef::Ok && Continua != Interrompe;
}

std::optional<bool> TPendenciasSiTef::Pendente(const QString& Documento,
                                               const QString& Data) const {
    if (FTemLista) {
        return std::any_of(FLista.begin(), FLista.end(), [&](const TPendenciaSiTef& P) {
            return P.Documento == Documento && (P.Data.isEmpty() || P.Data == Data);
        });
    }
    const std::optional<std::int32_t> Quantidade =
        FBiblioteca.ObtemQuantidadeTransacoesPendentes(Data, Documento);
    if (!Quantidade || (*Quantidade < 0 && *Quantidade != DocumentoNaoEncontrado)) {
        return std::nullopt;
    }
    return *Quantidade > 0;
}
