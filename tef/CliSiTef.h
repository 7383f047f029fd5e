#pragma once

#include "BibliotecaSiTef.h"

#include <QString>

// The vendor's client library, loaded at run time by file name through the
// normal library search (LD_LIBRARY_PATH, the loader cache). A missing file or
// symbol is never a crash: the affected calls answer as a missing library
// does (configuration 8, PIN pad -1, functions -1, confirmation nothing, the
// pending count std::nullopt).
class TCliSiTef final : public TBibliotecaSiTef {
public:
    static constexpr const char* NomePadrao = "libclisitef.so";
    static constexpr std::int32_t ConfiguracaoSemBiblioteca = 8;
    static constexpr std::int32_t PinPadSemBiblioteca = -1;

    explicit TCliSiTef(const QString& NomeArquivo = QString::fromLatin1(NomePadrao));
    ~TCliSiTef() override;
    TCliSiTef(const TCliSiTef&) = delete;
    TCliSiTef& operator=(const TCliSiTef&) = delete;

    bool Carregada() const { return FModulo != nullptr; }
    QString Falha() const override { return FFalha; }

    bool AceitaParametrosConfiguracao() const override { return FConfiguraEx != nullptr; }
    std::int32_t ConfiguraIntSiTefInterativo(const QString& EnderecoIP, const QString& CodigoLoja,
                                             const QString& NumeroTerminal,
                                             const QString& ParametrosAdicionais) override;
    std::int32_t VerificaPresencaPinPad() override;
    std::int32_t EscreveMensagemPermanentePinPad(const QString& Mensagem) override;
    std::int32_t
    IniciaFuncaoSiTefInterativo(std::int32_t Funcao, const QString& Valor,
                                const QString& CupomFiscal, const QString& DataFiscal,
                                const QString& HoraFiscal, const QString& Operador,
                                const std::optional<QString>& ParametrosAdicionais) override;
    std::int32_t ContinuaFuncaoSiTefInterativo(TSaidaComando& Saida, TBufferSiTef& Buffer,
                                               std::int32_t Continua) override;
    void FinalizaTransacaoSiTefInterativo(std::int16_t Confirma, const QString& CupomFiscal,
                                          const QString& DataFiscal,
                                          const QString& HoraFiscal) override;
    std::optional<std::int32_t>
    ObtemQuantidadeTransacoesPendentes(const QString& DataFiscal,
                                       const QString& CupomFiscal) override;

private:
    // C signatures of the vendor's manual for Linux.
    using TConfigura = int (*)(const char*, const char*, const char*, short);
    using TConfiguraEx = int (*)(const char*, const char*, const char*, short, const char*);
    using TVerificaPinPad = int (*)();
    using TEscreveMensagem = int (*)(const char*);
    using TIniciaFuncao = int (*)(int, const char*, const char*, const char*, const char*,
                                  const char*, const char*);
    using TContinuaFuncao = int (*)(int*, long*, short*, short*, char*, int, int);
    using TFinalizaTransacao = void (*)(short, const char*, const char*, const char*);
    using TFinalizaFuncao = void (*)(short, const char*, const char*, const char*, const char*);
    using TQuantidadePendentes = int (*)(const char*, const char*);

    void Falhou(const QString& Motivo);
    void Registra(const QString& Texto) const;
    void ResolveFuncoes();

    QString FNomeArquivo;
    void* FModulo = nullptr;
    QString FFalha;
    TConfigura FConfigura = nullptr;
    TConfiguraEx FConfiguraEx = nullptr;
    TVerificaPinPad FVerificaPinPad = nullptr;
    TEscreveMensagem FEscreveMensagem = nullptr;
    TIniciaFuncao FIniciaFuncao = nullptr;
    TContinuaFuncao FContinuaFuncao = nullptr;
    TFinalizaTransacao FFinalizaTransacao = nullptr;
    TFinalizaFuncao FFinalizaFuncao = nullptr;
    TQuantidadePendentes FQuantidadePendentes = nullptr;
    // The last command: the reply to a password or card field is never
    // written to the log.
    TSaidaComando FUltimaSaida;
    // Document number of the function in progress, for the log.
    QString FDocumento;
};
