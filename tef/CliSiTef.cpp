#include "CliSiTef.h"

#include "DiarioTEF.h"
#include "RegistroTEF.h"
#include "Win1252.h"

#include <QDebug>
#include <QStringList>

#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <optional>

namespace {

// One log line, written as QDebug writes (texts quoted, parts spaced).
class TLinha {
public:
    TLinha() { FDebug.emplace(&FTexto); }
    template <typename T> TLinha& operator<<(const T& Parte) {
        *FDebug << Parte;
        return *this;
    }
    // Ends the line: the stream is flushed into the text when it goes.
    operator QString() {
        FDebug.reset();
        return FTexto.trimmed();
    }

private:
    QString FTexto;
    std::optional<QDebug> FDebug;
};

const QString Omitido = QStringLiteral("<dado sigiloso omitido>");

// Replies typed unseen or that hold a password or card data: whatever
// command 41 collects masked, and field types 500 to 514 (the supervisor
// password, the card number, its expiry and security code among them).
bool RespostaSigilosa(std::int32_t Comando, std::int32_t TipoCampo) {
    return Comando == 41 || (TipoCampo >= 500 && TipoCampo <= 514);
}

// Library texts that are not the station's to keep: a PIX charge, and
// whatever a step the station ignores carries (an unknown command, a field
// type it does not read).
bool TextoSigiloso(const TSaidaComando& Saida) {
    return Saida.Comando == 50 || Saida.TipoCampo == TipoCampoQRCode || PassoIgnorado(Saida);
}

// An output the library writes through a pointer lands in a zeroed slot as
// wide as any width the vendor's headers have used, so a library built with
// wider types cannot write past it; the declared width is its low part.
class TSlotSaida {
public:
    template <typename T> T* Como() { return reinterpret_cast<T*>(FBytes); }
    template <typename T> T Estreito() const {
        std::int64_t Valor = 0;
        std::memcpy(&Valor, FBytes, sizeof Valor);
        return static_cast<T>(Valor);
    }

private:
    alignas(std::int64_t) unsigned char FBytes[sizeof(std::int64_t)] = {};
};

} // namespace

TCliSiTef::TCliSiTef(const QString& NomeArquivo) : FNomeArquivo(NomeArquivo) {
    FModulo = ::dlopen(FNomeArquivo.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (FModulo == nullptr) {
        Falhou(QStringLiteral("Biblioteca SiTef %1 não carregada: %2")
                   .arg(FNomeArquivo, QString::fromLocal8Bit(::dlerror())));
        return;
    }
    ResolveFuncoes();
}

TCliSiTef::~TCliSiTef() {
    if (FModulo != nullptr) {
        ::dlclose(FModulo);
    }
}

// A menu launch hides standard error: the reason goes to the main window's
// status line (Falha) and the daily TEF log as well.
void TCliSiTef::Falhou(const QString& Motivo) {
    FFalha = Motivo;
    qCWarning(lcBibliotecaSiTef).noquote() << Motivo;
    Registra(Motivo);
}

void TCliSiTef::ResolveFuncoes() {
    QStringList Faltam;
    const auto Simbolo = [this, &Faltam](const char* Nome) {
        void* Endereco = ::dlsym(FModulo, Nome);
        if (Endereco == nullptr) {
            Faltam.append(QString::fromLatin1(Nome));
        }
        return Endereco;
    };
    FConfigura = reinterpret_cast<TConfigura>(Simbolo("ConfiguraIntSiTefInterativo"));
    FVerificaPinPad = reinterpret_cast<TVerificaPinPad>(Simbolo("VerificaPresencaPinPad"));
    FEscreveMensagem =
        reinterpret_cast<TEscreveMensagem>(Simbolo("EscreveMensagemPermanentePinPad"));
    FIniciaFuncao = reinterpret_cast<TIniciaFuncao>(Simbolo("IniciaFuncaoSiTefInterativo"));
    FContinuaFuncao = reinterpret_cast<TContinuaFuncao>(Simbolo("ContinuaFuncaoSiTefInterativo"));
    // Newer libraries replace the confirmation call by its successor.
    FFinalizaTransacao =
        reinterpret_cast<TFinalizaTransacao>(::dlsym(FModulo, "FinalizaTransacaoSiTefInterativo"));
    if (FFinalizaTransacao == nullptr) {
        FFinalizaFuncao =
            reinterpret_cast<TFinalizaFuncao>(Simbolo("FinalizaFuncaoSiTefInterativo"));
    }
    // Optional, as older libraries lack them and the station can do without.
    FConfiguraEx =
        reinterpret_cast<TConfiguraEx>(::dlsym(FModulo, "ConfiguraIntSiTefInterativoEx"));
    FQuantidadePendentes = reinterpret_cast<TQuantidadePendentes>(
        ::dlsym(FModulo, "ObtemQuantidadeTransacoesPendentes"));
    if (!Faltam.isEmpty()) {
        // The file the loader found, which need not be the one meant.
        const link_map* Mapa = nullptr;
        const QString Arquivo = ::dlinfo(FModulo, RTLD_DI_LINKMAP, &Mapa) == 0
                                    ? QString::fromLocal8Bit(Mapa->l_name)
                                    : FNomeArquivo;
        Falhou(QStringLiteral("Biblioteca SiTef %1 inválida: não tem %2.")
                   .arg(Arquivo, Faltam.join(QStringLiteral(", "))));
    }
}

std::int32_t TCliSiTef::ConfiguraIntSiTefInterativo(const QString& EnderecoIP,
                                                    const QString& CodigoLoja,
                                                    const QString& NumeroTerminal,
                                                    const QString& ParametrosAdicionais) {
    const QByteArray Ip = ParaWin1252(EnderecoIP);
    const QByteArray Loja = ParaWin1252(CodigoLoja);
    const QByteArray Terminal = ParaWin1252(NumeroTerminal);
    std::int32_t Resultado = ConfiguracaoSemBiblioteca;
    if (FConfiguraEx != nullptr) {
        Resultado = FConfiguraEx(Ip.constData(), Loja.constData(), Terminal.constData(), 0,
                                 ParaWin1252(ParametrosAdicionais).constData());
        Registra(TLinha() << "ConfiguraIntSiTefInterativoEx(" << EnderecoIP << CodigoLoja
                          << NumeroTerminal << 0 << ParametrosAdicionais << ") =" << Resultado);
        return Resultado;
    }
    if (FConfigura != nullptr) {
        Resultado = FConfigura(Ip.constData(), Loja.constData(), Terminal.constData(), 0);
    }
    Registra(TLinha() << "ConfiguraIntSiTefInterativo(" << EnderecoIP << CodigoLoja
                      << NumeroTerminal << 0 << ") =" << Resultado);
    return Resultado;
}

std::int32_t TCliSiTef::VerificaPresencaPinPad() {
    const std::int32_t Resultado =
        FVerificaPinPad != nullptr ? FVerificaPinPad() : PinPadSemBiblioteca;
    Registra(TLinha() << "VerificaPresencaPinPad() =" << Resultado);
    return Resultado;
}

std::int32_t TCliSiTef::EscreveMensagemPermanentePinPad(const QString& Mensagem) {
    std::int32_t Resultado = ResultadoSiTef::NaoInicializado;
    if (FEscreveMensagem != nullptr) {
        Resultado = FEscreveMensagem(ParaWin1252(Mensagem).constData());
    }
    Registra(TLinha() << "EscreveMensagemPermanentePinPad(" << Mensagem << ") =" << Resultado);
    return Resultado;
}

std::int32_t
TCliSiTef::IniciaFuncaoSiTefInterativo(std::int32_t Funcao, const QString& Valor,
                                       const QString& CupomFiscal, const QString& DataFiscal,
                                       const QString& HoraFiscal, const QString& Operador,
                                       const std::optional<QString>& ParametrosAdicionais) {
    std::int32_t Resultado = ResultadoSiTef::NaoInicializado;
    if (FIniciaFuncao != nullptr) {
        const QByteArray Parametros =
            ParametrosAdicionais ? ParaWin1252(*ParametrosAdicionais) : QByteArray();
        Resultado =
            FIniciaFuncao(Funcao, ParaWin1252(Valor).constData(),
                          ParaWin1252(CupomFiscal).constData(), ParaWin1252(DataFiscal).constData(),
                          ParaWin1252(HoraFiscal).constData(), ParaWin1252(Operador).constData(),
                          ParametrosAdicionais ? Parametros.constData() : nullptr);
    }
    FUltimaSaida = {};
    FDocumento = CupomFiscal;
    Registra(TLinha() << "IniciaFuncaoSiTefInterativo(" << Funcao << Valor << CupomFiscal
                      << DataFiscal << HoraFiscal << Operador
                      << ParametrosAdicionais.value_or(QStringLiteral("<nulo>"))
                      << ") =" << Resultado);
    return Resultado;
}

std::int32_t TCliSiTef::ContinuaFuncaoSiTefInterativo(TSaidaComando& Saida, TBufferSiTef& Buffer,
                                                      std::int32_t Continua) {
    // Only a reply the station wrote is logged, and a secret one not even so.
    const QByteArray Resposta = Buffer.Respondido() ? Buffer.Bytes() : QByteArray();
    const bool Sigilosa =
        Buffer.Respondido() && RespostaSigilosa(FUltimaSaida.Comando, FUltimaSaida.TipoCampo);
    TLinha Linha;
    Linha << "ContinuaFuncaoSiTefInterativo(";
    if (Buffer.Respondido()) {
        Linha << "resposta" << (Sigilosa ? Omitido : DeWin1252(Resposta));
    }
    std::int32_t Resultado = ResultadoSiTef::NaoInicializado;
    if (FContinuaFuncao != nullptr) {
        TSlotSaida Comando, TipoCampo, Minimo, Maximo;
        Resultado =
            FContinuaFuncao(Comando.Como<int>(), TipoCampo.Como<long>(), Minimo.Como<short>(),
                            Maximo.Como<short>(), Buffer.Dados(), TBufferSiTef::Tamanho, Continua);
        Saida.Comando = Comando.Estreito<std::int32_t>();
        Saida.TipoCampo = TipoCampo.Estreito<std::int32_t>();
        Saida.TamanhoMinimo = Minimo.Estreito<std::int16_t>();
        Saida.TamanhoMaximo = Maximo.Estreito<std::int16_t>();
    }
    Buffer.DevolvidoPelaBiblioteca();
    FUltimaSaida = Saida;
    Linha << "continua" << Continua << ") =" << Resultado;
    // Outputs and text belong to a command that follows; a final result
    // leaves the buffer as the station handed it in. A library that leaves
    // a secret reply in place under its next command does not get it logged.
    if (Resultado == ResultadoSiTef::Continua) {
        const QByteArray Texto = Buffer.Bytes();
        Linha << "comando" << Saida.Comando << "tipoCampo" << Saida.TipoCampo << "min"
              << Saida.TamanhoMinimo << "max" << Saida.TamanhoMaximo << "texto"
              << (TextoSigiloso(Saida) || (Sigilosa && Texto == Resposta) ? Omitido
                                                                          : DeWin1252(Texto));
    }
    Registra(Linha);
    return Resultado;
}

void TCliSiTef::FinalizaTransacaoSiTefInterativo(std::int16_t Confirma, const QString& CupomFiscal,
                                                 const QString& DataFiscal,
                                                 const QString& HoraFiscal) {
    const QByteArray Cupom = ParaWin1252(CupomFiscal);
    const QByteArray Data = ParaWin1252(DataFiscal);
    const QByteArray Hora = ParaWin1252(HoraFiscal);
    if (FFinalizaTransacao != nullptr) {
        FFinalizaTransacao(Confirma, Cupom.constData(), Data.constData(), Hora.constData());
    } else if (FFinalizaFuncao != nullptr) {
        FFinalizaFuncao(Confirma, Cupom.constData(), Data.constData(), Hora.constData(), nullptr);
    }
    FDocumento = CupomFiscal;
    Registra(TLinha() << "FinalizaTransacaoSiTefInterativo(" << Confirma << CupomFiscal
                      << DataFiscal << HoraFiscal << ")"
                      << (Confirma != 0 ? "confirmada" : "desfeita"));
}

std::optional<std::int32_t>
TCliSiTef::ObtemQuantidadeTransacoesPendentes(const QString& DataFiscal,
                                              const QString& CupomFiscal) {
    std::optional<std::int32_t> Resultado;
    if (FQuantidadePendentes != nullptr) {
        Resultado = FQuantidadePendentes(ParaWin1252(DataFiscal).constData(),
                                         ParaWin1252(CupomFiscal).constData());
    }
    FDocumento = CupomFiscal;
    TLinha Linha;
    Linha << "ObtemQuantidadeTransacoesPendentes(" << DataFiscal << CupomFiscal << ") =";
    if (Resultado) {
        Linha << *Resultado;
    } else {
        Linha << "<sem a função>";
    }
    Registra(Linha);
    return Resultado;
}

// One line per library call: always to the daily TEF log, with the document
// number of the transaction it belongs to, and to the debug category when
// that is on.
void TCliSiTef::Registra(const QString& Texto) const {
    qCInfo(lcDiarioTEF).noquote() << "doc"
                                  << (FDocumento.isEmpty() ? QStringLiteral("-") : FDocumento)
                                  << Texto;
    qCDebug(lcBibliotecaSiTef).noquote() << Texto;
}
