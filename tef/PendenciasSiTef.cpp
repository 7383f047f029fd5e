#include "PendenciasSiTef.h"

#include "FuncoesSiTef.h"
#include "Relogio.h"

#include <QDateTime>

#include <algorithm>

namespace {

// Field types of function 130's answer: the count, then a block per
// payment that starts with its document.
constexpr std::int32_t CampoQuantidade = 210;
constexpr std::int32_t CampoDocumento = 160;
constexpr std::int32_t CampoData = 163;
constexpr std::int32_t CampoHora = 164;
constexpr std::int32_t CampoNsuHost = 134;
// The library's answer when it does not know the document.
constexpr std::int32_t DocumentoNaoEncontrado = -13;
// A list longer than any counter holds pending ends the query, and a
// library that does not end it then is left: the start is never held.
constexpr int MaximoDePassos = 20000;
constexpr int PassosAposInterromper = 16;
constexpr std::int32_t Interrompe = -1;

// The field data (command 0) that the list is made of, messages that need
// nothing, the library asking whether to go on (23), and a command of a
// newer library, ignored as the loops ignore it; anything else is a question
// this query never answers.
bool SoInforma(std::int32_t Comando) {
    return Comando == 0 || (Comando >= 1 && Comando <= 4) || (Comando >= 11 && Comando <= 16) ||
           Comando == 23 || !ComandoConhecido(Comando);
}

// The journal names documents by their number: "000041" is 41.
QString Numero(const QString& Documento) {
    bool Numerico = false;
    const qlonglong Valor = Documento.toLongLong(&Numerico);
    return Numerico ? QString::number(Valor) : Documento;
}

} // namespace

TPendenciasSiTef::TPendenciasSiTef(TBibliotecaSiTef& Biblioteca) : FBiblioteca(Biblioteca) {
    FTemLista = Consulta();
    if (!FTemLista) {
        FLista.clear();
    }
}

// A list only when the library ended the query with 0 and its count (210)
// matches the blocks it gave: anything less is no list, never an empty one,
// or every open transaction would pass for concluded.
bool TPendenciasSiTef::Consulta() {
    const QDateTime Agora = Relogio::Agora();
    std::int32_t Resultado = FBiblioteca.IniciaFuncaoSiTefInterativo(
        FuncaoSiTef::ConsultaPendencias, QString(), QString(),
        Agora.toString(QStringLiteral("yyyyMMdd")), Agora.toString(QStringLiteral("HHmmss")),
        QString(), std::nullopt);
    TBufferSiTef Buffer;
    TSaidaComando Saida;
    std::int32_t Continua = 0;
    std::optional<int> Quantidade;
    int Passo = 0;
    while (Resultado == ResultadoSiTef::Continua) {
        if (++Passo > MaximoDePassos + PassosAposInterromper) {
            return false;
        }
        Resultado = FBiblioteca.ContinuaFuncaoSiTefInterativo(Saida, Buffer, Continua);
        if (Resultado != ResultadoSiTef::Continua || Continua == Interrompe) {
            continue;
        }
        if (!SoInforma(Saida.Comando) || Passo >= MaximoDePassos) {
            Continua = Interrompe;
            continue;
        }
        if (Saida.Comando != 0) {
            continue;
        }
        const QString Texto = Buffer.TextoMensagem().trimmed();
        if (Saida.TipoCampo == CampoQuantidade) {
            bool Numerico = false;
            Quantidade = Texto.toInt(&Numerico);
            if (!Numerico) {
                Quantidade.reset();
            }
        } else if (Saida.TipoCampo == CampoDocumento) {
            FLista.push_back({Numero(Texto), {}, {}, {}});
        } else if (!FLista.empty() && Saida.TipoCampo == CampoData) {
            FLista.back().Data = Texto;
        } else if (!FLista.empty() && Saida.TipoCampo == CampoHora) {
            FLista.back().Hora = Texto;
        } else if (!FLista.empty() && Saida.TipoCampo == CampoNsuHost) {
            FLista.back().NsuHost = Texto;
        }
    }
    return Resultado == ResultadoSiTef::Ok && Continua != Interrompe &&
           Quantidade == static_cast<int>(FLista.size());
}

bool TPendenciaSiTef::Nomeia(const QString& DoLivro, const QString& DataFiscal) const {
    return Documento == Numero(DoLivro) && (Data.isEmpty() || Data == DataFiscal);
}

std::optional<bool> TPendenciasSiTef::Pendente(const QString& Documento,
                                               const QString& Data) const {
    if (FTemLista) {
        return std::any_of(FLista.begin(), FLista.end(),
                           [&](const TPendenciaSiTef& P) { return P.Nomeia(Documento, Data); });
    }
    const std::optional<std::int32_t> Quantidade =
        FBiblioteca.ObtemQuantidadeTransacoesPendentes(Data, Documento);
    if (!Quantidade || (*Quantidade < 0 && *Quantidade != DocumentoNaoEncontrado)) {
        return std::nullopt;
    }
    return *Quantidade > 0;
}
