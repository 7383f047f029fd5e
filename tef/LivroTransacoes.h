#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// Where a transaction stands. Each state is committed before the step it
// announces, so that a station that dies anywhere finds at its next start
// what it had done and what it had decided.
enum class TEstadoLancamento {
    Iniciada,       // before the library's start call
    Aprovada,       // the library ended with 0; before any working file is written
    Imprimindo,     // before the receipt is sent
    Impressa,       // the receipt reached the printer
    NaoImpressa,    // it did not (the operator may try again)
    Decidida,       // confirm or undo, before the finish call
    Finalizada,     // the finish call returned
    Recusada,       // the library ended with an error
    Abandonada,     // the operator gave up (-2)
    SemConfirmacao, // approved with nothing for the library to confirm (viewed, no receipt)
    Interrompida,   // the station stopped during the library's dialogue
    // Found open at start and no longer pending at the library: it had
    // concluded it, and the outcome is read in the SiTef.
    ConcluidaNaBiblioteca,
};

// Who authorised a transaction, as the library tells it in field types 131
// (authorising network), 132 (card brand), 133 (SiTef's transaction number)
// and 134 (the host's). Empty where the library said nothing.
struct TAutorizacaoTEF {
    QString Rede;
    QString Bandeira;
    QString NsuSiTef;
    QString NsuHost;

    bool operator==(const TAutorizacaoTEF&) const = default;
};

// One transaction of the journal: what was asked of the library, what it
// answered, what the station did with it and why.
struct TLancamentoTEF {
    std::int64_t Id = 0;
    std::int32_t Funcao = 0;
    QString Documento;
    QString Valor;
    QString Data; // of the start call, "yyyymmdd"
    QString Hora; // "hhnnss"
    QString Operador;
    std::optional<QString> Restricoes;
    TEstadoLancamento Estado = TEstadoLancamento::Iniciada;
    std::optional<std::int32_t> Resultado;
    // The receipt as the library delivered it: customer's copy, separator,
    // store's copy.
    QString Comprovante;
    // The field-105 data ("DadosTef.txt" of a function).
    QString DadosTransacao;
    // "yyyymmddhhnnss": the moment the finish call names.
    QString DataHoraTransacao;
    bool Impresso = false;
    std::optional<bool> Confirma;
    QString Motivo;
    // When each state was reached: started, approved, printing, printed or
    // not, decided, ended; and when the finish call was made.
    std::array<QString, 6> Momentos;
    QString ChamadaFinaliza;
    TAutorizacaoTEF Autorizacao;
    // The amount the operator typed during the dialogue (command 34), as
    // typed: what a cancellation or a capture was for when the start call
    // carried none.
    QString ValorInformado;

    bool operator==(const TLancamentoTEF&) const = default;

    QString DataFinaliza() const { return DataHoraTransacao.left(8); }
    QString HoraFinaliza() const { return DataHoraTransacao.mid(8, 6); }
};

// A transaction as the day's movement lists it: the row without its
// receipt's text (Comprovante left empty), and whether it has a receipt.
struct TResumoLancamento {
    TLancamentoTEF Lancamento;
    bool ComComprovante = false;
};

class TConexaoLivro;

// The station's transaction journal, "tefkimbro.db" in the working folder:
// SQLite in WAL mode with full synchronisation, one committed transaction
// per state change, private to its user. One connection lives as long as
// the journal and holds the file against every other writer; each state
// change is made only from the state the station last wrote.
class TLivroTransacoes {
public:
    static inline const QString NomePadrao = QStringLiteral("tefkimbro.db");

    // The journal in Arquivo, opened at its first use (created when
    // missing). A damaged file is moved aside with the moment in its name,
    // never deleted, its open rows carried into a new one as far as they
    // can be read; a pending record left by an earlier version of the
    // station ("tef_pendente.txt") is imported as an approved transaction.
    explicit TLivroTransacoes(const QString& Arquivo);
    ~TLivroTransacoes();
    TLivroTransacoes(const TLivroTransacoes&) = delete;
    TLivroTransacoes& operator=(const TLivroTransacoes&) = delete;

    // What the operator is told once after opening (opened first); empty
    // when nothing.
    const QString& Aviso();
    // Why a state is held unwritten; empty while everything is written.
    QString Falha() const;
    // Opens the journal; true when another process (a second station)
    // holds it, so that this one must not touch the library.
    bool OcupadoPorOutro();

    // Raises EErro, telling which document, while a transaction is approved
    // and not finished or a state is held unwritten (written first when it
    // can). The parts of Documento, a sale paid in parts, may stay open.
    void ExigeLivre(const QString& Documento = QString());
    // Writes the new transaction (Iniciada). Raises EErro when it cannot:
    // nothing has happened at the library then.
    void Inicia(TLancamentoTEF& Lancamento);
    // Moves the transaction to Estado and commits it. False when the write
    // failed: the state is held and written again (GravaRetido) before
    // anything new starts.
    bool Registra(TLancamentoTEF& Lancamento, TEstadoLancamento Estado);
    // The same for the payments one finish call decides together, all in
    // one SQLite transaction.
    bool Registra(const std::vector<TLancamentoTEF*>& Grupo, TEstadoLancamento Estado);
    // Writes the held state; true when nothing is held any more and the
    // journal is open.
    bool GravaRetido();
    // The document whose state is held unwritten; empty when none is.
    QString Retido() const { return FRetidos.empty() ? QString() : FRetidos.front().Documento; }
    // Transactions started or approved and not yet ended, oldest first.
    // Raises EErro when the journal cannot be read.
    std::vector<TLancamentoTEF> Abertos();
    // Every transaction, oldest first.
    std::vector<TLancamentoTEF> Todos();
    // The transactions of one fiscal document (number and "yyyymmdd" date).
    std::vector<TLancamentoTEF> DoDocumento(const QString& Documento, const QString& Data);
    // The transactions started on Dia, oldest first, without their
    // receipts' text: a few pages of a year's file. Raises EErro when the
    // journal cannot be read.
    std::vector<TResumoLancamento> DoDia(const QDate& Dia);
    // The receipt of transaction Id; empty when it has none. Raises EErro
    // when the journal cannot be read or does not hold Id.
    QString ComprovanteDe(std::int64_t Id);
    // Moves what the WAL holds into the file: called while the counter is
    // idle, so that no sale pays for it.
    void Consolida();
    // The date of the newest transaction; none in an empty journal.
    // Raises EErro when the journal cannot be read.
    std::optional<QDate> DataMaisRecente();
    // Removes up to Lote ended transactions started before Limite; an open
    // one stays whatever its age. The number removed (fewer than Lote: none
    // older is left); nothing when the journal could not be written (told
    // in the log).
    std::optional<int> RemoveAnteriores(const QDate& Limite, int Lote = 1000);

    // Called before each state is written: lets a test stop the process at
    // that moment, or fill its disk.
    static void DefineGanchoAntesDeGravar(std::function<void(TEstadoLancamento)> Gancho);

private:
    bool GaranteAberto();
    QString MensagemImportacao(const QString& Motivo) const;
    void Abre();
    void SubstituiDanificado();
    std::vector<TLancamentoTEF> LeAbertosDanificado() const;
    void ImportaPendenciaAntiga();
    void ExigeAberto();
    template <typename Leitor>
    auto LeConsulta(const QString& Comando, const QVariantList& Valores, Leitor LeUma);
    std::vector<TLancamentoTEF> Le(const QString& Filtro, const QVariantList& Valores = {});
    const TLancamentoTEF* RetidoDe(std::int64_t Id) const;

    QString FArquivo;
    QString FAviso;
    QString FFalha;
    // States not yet written, newest of each row; written together.
    std::vector<TLancamentoTEF> FRetidos;
    // The state the file holds for each open row the station has moved.
    std::map<std::int64_t, TEstadoLancamento> FGravados;
    std::unique_ptr<TConexaoLivro> FConexao;
    bool FOcupado = false;
};

// The date before which ended transactions may be removed, Meses counted
// from the earlier of Hoje and the newest transaction's date; nothing when
// the clock is ahead of the newest transaction by more than a week (a clock
// set wrong must not take the store's history with it).
std::optional<QDate> LimiteDeRetencao(const QDate& Hoje, const std::optional<QDate>& MaisRecente,
                                      int Meses);

// States of a transaction that still needs the library's finish call.
bool AguardaFinalizacao(TEstadoLancamento Estado);
