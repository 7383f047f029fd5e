#include "LivroTransacoes.h"

#include "ConexaoLivro.h"
#include "Erros.h"
#include "LinhaLancamento.h"
#include "RegistroTEF.h"
#include "Relogio.h"
#include "TNStringList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// The pending record of the station's earlier versions: function code,
// document number, date and time, one per line.
const QString ArquivoPendenciaAntiga = QStringLiteral("tef_pendente.txt");

const QString EstadosAbertos = QStringLiteral(
    "estado IN ('iniciada', 'aprovada', 'imprimindo', 'impressa', 'nao_impressa', 'decidida')");

std::function<void(TEstadoLancamento)>& GanchoAntesDeGravar() {
    static std::function<void(TEstadoLancamento)> Gancho;
    return Gancho;
}

// Which moment a state sets: started, approved, printing, printed or not,
// decided, ended.
std::size_t Momento(TEstadoLancamento Estado) {
    switch (Estado) {
    case TEstadoLancamento::Iniciada:
        return 0;
    case TEstadoLancamento::Aprovada:
        return 1;
    case TEstadoLancamento::Imprimindo:
        return 2;
    case TEstadoLancamento::Impressa:
    case TEstadoLancamento::NaoImpressa:
        return 3;
    case TEstadoLancamento::Decidida:
        return 4;
    default:
        return 5;
    }
}

QString Agora() {
    return Relogio::Agora().toString(Qt::ISODateWithMs);
}

// SQLite's text names its own error ("disk I/O error"); the cashier and the
// store's IT person need the folder's state in plain words.
QString EstadoDaPasta(const QString& Arquivo) {
    const QByteArray Pasta = QFile::encodeName(QFileInfo(Arquivo).absolutePath());
    struct statvfs Estado {};
    if (::statvfs(Pasta.constData(), &Estado) != 0) {
        return QString();
    }
    // A file system the kernel turned read-only after an error need not say
    // so in its flags: a file made there tells.
    const QByteArray Prova = Pasta + "/.tefkimbro-prova";
    const int Descritor = ::open(Prova.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    const int Erro = errno;
    if (Descritor >= 0) {
        ::close(Descritor);
        ::unlink(Prova.constData());
    }
    if ((Estado.f_flag & ST_RDONLY) != 0 || (Descritor < 0 && Erro == EROFS)) {
        return QStringLiteral(" (pasta somente leitura)");
    }
    if (Estado.f_bavail == 0 || (Descritor < 0 && Erro == ENOSPC)) {
        return QStringLiteral(" (disco cheio)");
    }
    return QString();
}

QString MensagemOcupado(const QString& Arquivo) {
    return QStringLiteral("O registro de transações %1 está em uso por outro programa (outra "
                          "estação TefKimbro nesta pasta?): feche-o e inicie o TefKimbro de novo.")
        .arg(Arquivo);
}

QString MensagemFalha(const QString& Arquivo, const QString& Texto) {
    return QStringLiteral("Não foi possível gravar o registro de transações %1: %2%3.")
        .arg(Arquivo, Texto.trimmed(), EstadoDaPasta(Arquivo));
}

} // namespace

bool AguardaFinalizacao(TEstadoLancamento Estado) {
    switch (Estado) {
    case TEstadoLancamento::Aprovada:
    case TEstadoLancamento::Imprimindo:
    case TEstadoLancamento::Impressa:
    case TEstadoLancamento::NaoImpressa:
    case TEstadoLancamento::Decidida:
        return true;
    default:
        return false;
    }
}

std::optional<QDate> LimiteDeRetencao(const QDate& Hoje, const std::optional<QDate>& MaisRecente,
                                      int Meses) {
    constexpr int FolgaDoRelogio = 7; // days a store may stay closed before the clock is doubted
    if (MaisRecente && MaisRecente->daysTo(Hoje) > FolgaDoRelogio) {
        return std::nullopt;
    }
    return std::min(Hoje, MaisRecente.value_or(Hoje)).addMonths(-Meses);
}

void TLivroTransacoes::DefineGanchoAntesDeGravar(std::function<void(TEstadoLancamento)> Gancho) {
    GanchoAntesDeGravar() = std::move(Gancho);
}

TLivroTransacoes::TLivroTransacoes(const QString& Arquivo)
    : FArquivo(QFileInfo(Arquivo).absoluteFilePath()) {}

TLivroTransacoes::~TLivroTransacoes() = default;

const QString& TLivroTransacoes::Aviso() {
    GaranteAberto();
    return FAviso;
}

bool TLivroTransacoes::OcupadoPorOutro() {
    return !GaranteAberto() && FOcupado;
}

// A journal that could not be opened (a full or read-only folder at start)
// is opened again at the next use, and its failure cleared once it is.
bool TLivroTransacoes::GaranteAberto() {
    if (FConexao) {
        return true;
    }
    try {
        Abre();
    } catch (const EFalhaBanco& Erro) {
        FOcupado = Erro.Ocupado();
        const QString Mensagem =
            FOcupado ? MensagemOcupado(FArquivo) : MensagemFalha(FArquivo, Erro.Texto);
        if (Mensagem != FFalha) {
            qCWarning(lcLivroTEF).noquote() << Mensagem;
        }
        FFalha = Mensagem;
        return false;
    }
    FOcupado = false;
    FFalha.clear();
    try {
        ImportaPendenciaAntiga();
    } catch (const EFalhaBanco& Erro) {
        FAviso = MensagemImportacao(Erro.Texto);
    } catch (const EErro& Erro) {
        FAviso = MensagemImportacao(Erro.Mensagem());
    }
    return true;
}

QString TLivroTransacoes::MensagemImportacao(const QString& Motivo) const {
    const QString Mensagem =
        QStringLiteral("A transação pendente de %1 não pôde ser importada para o registro de "
                       "transações (%2); o arquivo foi mantido. Confira no SiTef a transação "
                       "em aberto.")
            .arg(QFileInfo(FArquivo).dir().filePath(ArquivoPendenciaAntiga), Motivo.trimmed());
    qCWarning(lcLivroTEF).noquote() << Mensagem;
    return Mensagem;
}

namespace {

// SQLite gives its files the database's own mode: the file is made private
// before SQLite first opens it.
// An existing file is changed by its path: a descriptor of it opened and
// closed here would drop the locks SQLite holds on it in this process.
void CriaArquivoPrivado(const QString& Arquivo) {
    const QByteArray Caminho = QFile::encodeName(Arquivo);
    const int Descritor =
        ::open(Caminho.constData(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (Descritor >= 0) {
        ::fchmod(Descritor, 0600);
        ::close(Descritor);
    } else {
        ::chmod(Caminho.constData(), 0600);
    }
}

} // namespace

// No whole-file check: SQLite's own recovery keeps the file whole through a
// kill or a power cut (WAL, full synchronisation), and a check of a year's
// file would hold the counter for seconds at every start. What the start
// needs is read here: the schema, the open rows through their index and the
// newest row; damage there is found at once, elsewhere when a read or a
// write meets it.
void TLivroTransacoes::Abre() {
    CriaArquivoPrivado(FArquivo);
    try {
        auto Conexao = std::make_unique<TConexaoLivro>(FArquivo);
        CriaEsquema(*Conexao);
        Conexao->Executa(QStringLiteral("SELECT count(*) FROM lancamentos INDEXED BY "
                                        "lancamentos_estado WHERE ") +
                         EstadosAbertos);
        Conexao->Executa(QStringLiteral("SELECT * FROM lancamentos ORDER BY id DESC LIMIT 1"));
        FConexao = std::move(Conexao);
        return;
    } catch (const EFalhaBanco& Erro) {
        if (!Erro.Danificado()) {
            throw;
        }
    }
    SubstituiDanificado();
}

// Never deleted: what it still holds may be read by hand. Its open rows,
// as far as they can be read, are carried into the new file, so that the
// start resolves them by their recorded states.
void TLivroTransacoes::SubstituiDanificado() {
    std::vector<TLancamentoTEF> Salvos = LeAbertosDanificado();
    // The new file is whole, its rows committed, before the damaged one
    // moves: a failure on the way leaves the damaged one in place, read
    // again at the next attempt.
    const QString Novo = FArquivo + QStringLiteral(".novo");
    const QString Sufixos[] = {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")};
    for (const QString& Sufixo : Sufixos) {
        QFile::remove(Novo + Sufixo);
    }
    CriaArquivoPrivado(Novo);
    {
        TConexaoLivro Conexao(Novo);
        CriaEsquema(Conexao);
        Conexao.EmTransacao([&] {
            for (TLancamentoTEF& Salvo : Salvos) {
                Insere(Conexao, Salvo);
            }
        });
    }
    const QString Guardado = FArquivo + QStringLiteral(".danificado-") +
                             Relogio::Agora().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (const QString& Sufixo : Sufixos) {
        if (QFile::exists(FArquivo + Sufixo) &&
            !QFile::rename(FArquivo + Sufixo, Guardado + Sufixo)) {
            throw EFalhaBanco{QStringLiteral("arquivo danificado que não pôde ser renomeado"), 0};
        }
    }
    if (!QFile::rename(Novo, FArquivo)) {
        throw EFalhaBanco{QStringLiteral("arquivo novo que não pôde ser renomeado"), 0};
    }
    FConexao = std::make_unique<TConexaoLivro>(FArquivo);
    QStringList Documentos;
    for (const TLancamentoTEF& Salvo : Salvos) {
        Documentos.append(Salvo.Documento);
    }
    Documentos.removeDuplicates();
    FAviso = QStringLiteral("O registro de transações estava danificado: foi guardado como %1 e um "
                            "novo foi iniciado.")
                 .arg(QFileInfo(Guardado).fileName());
    if (!Documentos.isEmpty()) {
        FAviso += QStringLiteral(" Transações em aberto recuperadas, resolvidas a seguir: "
                                 "documento %1.")
                      .arg(Documentos.join(QStringLiteral(", ")));
    }
    FAviso += QStringLiteral(" Confira no SiTef as transações em aberto.");
    qCWarning(lcLivroTEF).noquote() << FAviso;
}

// Whatever open rows a damaged file still gives, through the index on the
// states first (a few pages), then by reading the table; none when neither
// can be read.
std::vector<TLancamentoTEF> TLivroTransacoes::LeAbertosDanificado() const {
    const QString Nome = QStringLiteral("livro-danificado");
    std::vector<TLancamentoTEF> Lidos;
    for (const QString& Indice :
         {QStringLiteral("INDEXED BY lancamentos_estado"), QStringLiteral("NOT INDEXED")}) {
        QSqlDatabase Banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Nome);
        const auto Fim = qScopeGuard([&Banco, &Nome] {
            Banco.close();
            Banco = QSqlDatabase();
            QSqlDatabase::removeDatabase(Nome);
        });
        Banco.setDatabaseName(FArquivo);
        QSqlQuery Consulta(Banco);
        // The file may be of an earlier version: it was not brought up to date.
        QStringList NoArquivo;
        if (Banco.open() &&
            Consulta.exec(QStringLiteral("SELECT name FROM pragma_table_info('lancamentos')"))) {
            while (Consulta.next()) {
                NoArquivo.append(Consulta.value(0).toString());
            }
        }
        const TSelecaoColunas Colunas = ColunasNoArquivo(NoArquivo);
        if (NoArquivo.isEmpty() ||
            !Consulta.exec(QStringLiteral("SELECT %1 FROM lancamentos %2 WHERE %3 ORDER BY id")
                               .arg(Colunas.Nomes, Indice, EstadosAbertos))) {
            continue;
        }
        while (Consulta.next()) {
            Lidos.push_back(LeLinhaDe(Consulta, Colunas));
        }
        // What was read before a damaged page stays.
        if (!Lidos.empty() || !Consulta.lastError().isValid()) {
            break;
        }
    }
    return Lidos;
}

// Imported as approved, so the start-up rule resolves it as the earlier
// version would have; removed only once the import is committed.
void TLivroTransacoes::ImportaPendenciaAntiga() {
    const QString Antiga = QFileInfo(FArquivo).dir().filePath(ArquivoPendenciaAntiga);
    if (!QFile::exists(Antiga)) {
        return;
    }
    TNStringList Linhas;
    Linhas.LoadFromFile(Antiga);
    if (Linhas.Count() < 4) {
        throw EErroArquivo(QStringLiteral("conteúdo incompleto"));
    }
    TLancamentoTEF L;
    L.Funcao = Linhas[0].trimmed().toInt();
    L.Documento = Linhas[1].trimmed();
    L.Data = Linhas[2].trimmed();
    L.Hora = Linhas[3].trimmed();
    L.DataHoraTransacao = L.Data + L.Hora;
    L.Estado = TEstadoLancamento::Aprovada;
    L.Motivo = QStringLiteral("importada de ") + ArquivoPendenciaAntiga;
    L.Momentos[1] = Agora();
    const std::vector<int> Existe =
        LeLinhas(*FConexao,
                 QStringLiteral(
                     "SELECT 1 FROM lancamentos WHERE documento = ? AND funcao = ? AND motivo = ?"),
                 {L.Documento, L.Funcao, L.Motivo}, [](const QSqlQuery&) { return 1; });
    if (Existe.empty()) {
        Insere(*FConexao, L);
    }
    QFile::remove(Antiga);
}

QString TLivroTransacoes::Falha() const {
    return FFalha;
}

void TLivroTransacoes::Inicia(TLancamentoTEF& Lancamento) {
    if (GanchoAntesDeGravar()) {
        GanchoAntesDeGravar()(TEstadoLancamento::Iniciada);
    }
    Lancamento.Estado = TEstadoLancamento::Iniciada;
    Lancamento.Momentos[0] = Agora();
    if (!GaranteAberto()) {
        throw EErroGravacao(FFalha + QStringLiteral(" A transação não foi iniciada."));
    }
    try {
        Insere(*FConexao, Lancamento);
    } catch (const EFalhaBanco& Erro) {
        const QString Mensagem = MensagemFalha(FArquivo, Erro.Texto);
        qCWarning(lcLivroTEF).noquote() << Mensagem;
        throw EErroGravacao(Mensagem + QStringLiteral(" A transação não foi iniciada."));
    }
    FGravados[Lancamento.Id] = TEstadoLancamento::Iniciada;
}

bool TLivroTransacoes::Registra(TLancamentoTEF& Lancamento, TEstadoLancamento Estado) {
    return Registra(std::vector<TLancamentoTEF*>{&Lancamento}, Estado);
}

bool TLivroTransacoes::Registra(const std::vector<TLancamentoTEF*>& Grupo,
                                TEstadoLancamento Estado) {
    if (GanchoAntesDeGravar()) {
        GanchoAntesDeGravar()(Estado);
    }
    for (TLancamentoTEF* Lancamento : Grupo) {
        // The state the file holds: the one the station last wrote, or, for
        // a row it has not written in this run, the one it was read in.
        FGravados.try_emplace(Lancamento->Id, Lancamento->Estado);
        Lancamento->Estado = Estado;
        Lancamento->Momentos[Momento(Estado)] = Agora();
        const auto Mesmo = std::find_if(FRetidos.begin(), FRetidos.end(),
                                        [&](const auto& R) { return R.Id == Lancamento->Id; });
        if (Mesmo != FRetidos.end()) {
            *Mesmo = *Lancamento;
        } else {
            FRetidos.push_back(*Lancamento);
        }
    }
    return GravaRetido();
}

// Every held row in one SQLite transaction: the parts of a sale never reach
// the file in two different states. A row some other program moved is
// dropped from what is held, and told.
bool TLivroTransacoes::GravaRetido() {
    if (!GaranteAberto()) {
        return false;
    }
    if (FRetidos.empty()) {
        return true;
    }
    try {
        FConexao->EmTransacao([this] {
            for (const TLancamentoTEF& Retido : FRetidos) {
                Atualiza(*FConexao, Retido, FGravados.at(Retido.Id));
            }
        });
    } catch (const EConflito& Conflito) {
        // The moved row is dropped; the rest of what is held is written.
        qCWarning(lcLivroTEF).noquote() << Conflito.Texto;
        std::erase_if(FRetidos, [&](const auto& R) { return R.Id == Conflito.Id; });
        FGravados.erase(Conflito.Id);
        GravaRetido();
        FFalha = Conflito.Texto;
        return false;
    } catch (const EFalhaBanco& Erro) {
        const QString Mensagem = MensagemFalha(FArquivo, Erro.Texto);
        if (Mensagem != FFalha) {
            qCWarning(lcLivroTEF).noquote() << Mensagem << "documento" << FRetidos.front().Documento
                                            << "estado" << NomeEstado(FRetidos.front().Estado);
        }
        FFalha = Mensagem;
        return false;
    }
    for (const TLancamentoTEF& Gravado : FRetidos) {
        if (AguardaFinalizacao(Gravado.Estado)) {
            FGravados[Gravado.Id] = Gravado.Estado;
        } else {
            FGravados.erase(Gravado.Id);
        }
    }
    FRetidos.clear();
    FFalha.clear();
    return true;
}

void TLivroTransacoes::ExigeLivre(const QString& Documento) {
    if (!GravaRetido()) {
        throw EErroGravacao(FFalha + QStringLiteral(" Nenhuma transação nova começa até que o "
                                                    "registro volte a ser gravado."));
    }
    for (const TLancamentoTEF& Aberto : Abertos()) {
        if (AguardaFinalizacao(Aberto.Estado) && Aberto.Documento != Documento) {
            throw EErro(QStringLiteral("Transação TEF pendente (documento %1) ainda não "
                                       "resolvida: nenhuma transação nova pode começar. Use "
                                       "\"Iniciar TEF\" na aba Configuração.")
                            .arg(Aberto.Documento));
        }
    }
}

template <typename Leitor>
auto TLivroTransacoes::LeConsulta(const QString& Comando, const QVariantList& Valores,
                                  Leitor LeUma) {
    ExigeAberto();
    try {
        return LeLinhas(*FConexao, Comando, Valores, LeUma);
    } catch (const EFalhaBanco& Erro) {
        throw EErroArquivo(QStringLiteral("Não foi possível ler o registro de transações %1: %2.")
                               .arg(FArquivo, Erro.Texto.trimmed()));
    }
}

std::vector<TLancamentoTEF> TLivroTransacoes::Le(const QString& Filtro,
                                                 const QVariantList& Valores) {
    std::vector<TLancamentoTEF> Lidos = LeConsulta(
        QStringLiteral("SELECT %1 FROM lancamentos %2 ORDER BY id").arg(ColunasDaLinha(), Filtro),
        Valores, LeLinha);
    for (TLancamentoTEF& Lido : Lidos) {
        if (const TLancamentoTEF* Retido = RetidoDe(Lido.Id)) {
            Lido = *Retido;
        } else if (const auto Gravado = FGravados.find(Lido.Id); Gravado != FGravados.end()) {
            Gravado->second = Lido.Estado; // what the file holds, as read
        }
    }
    return Lidos;
}

void TLivroTransacoes::ExigeAberto() {
    if (!GaranteAberto()) {
        throw EErroArquivo(FFalha);
    }
}

// A state held in memory is newer than what the file says.
const TLancamentoTEF* TLivroTransacoes::RetidoDe(std::int64_t Id) const {
    const auto Retido = std::find_if(FRetidos.begin(), FRetidos.end(),
                                     [Id](const TLancamentoTEF& R) { return R.Id == Id; });
    return Retido == FRetidos.end() ? nullptr : &*Retido;
}

std::vector<TLancamentoTEF> TLivroTransacoes::Abertos() {
    std::vector<TLancamentoTEF> Lidos = Le(QStringLiteral("WHERE ") + EstadosAbertos);
    std::erase_if(Lidos, [](const TLancamentoTEF& L) {
        return !AguardaFinalizacao(L.Estado) && L.Estado != TEstadoLancamento::Iniciada;
    });
    return Lidos;
}

std::vector<TLancamentoTEF> TLivroTransacoes::Todos() {
    return Le(QString());
}

std::vector<TLancamentoTEF> TLivroTransacoes::DoDocumento(const QString& Documento,
                                                          const QString& Data) {
    return Le(QStringLiteral("WHERE data = ? AND documento = ?"), {Data, Documento});
}

std::vector<TResumoLancamento> TLivroTransacoes::DoDia(const QDate& Dia) {
    std::vector<TResumoLancamento> Lidos =
        LeConsulta(QStringLiteral("SELECT %1 FROM lancamentos WHERE data = ? ORDER BY id")
                       .arg(ColunasDoResumo()),
                   {Dia.toString(QStringLiteral("yyyyMMdd"))}, LeResumo);
    for (TResumoLancamento& Lido : Lidos) {
        if (const TLancamentoTEF* Retido = RetidoDe(Lido.Lancamento.Id)) {
            Lido = Resumo(*Retido);
        }
    }
    return Lidos;
}

QString TLivroTransacoes::ComprovanteDe(std::int64_t Id) {
    if (const TLancamentoTEF* Retido = RetidoDe(Id)) {
        return Retido->Comprovante;
    }
    const std::vector<QString> Lidos =
        LeConsulta(QStringLiteral("SELECT comprovante FROM lancamentos WHERE id = ?"),
                   {QVariant::fromValue(Id)},
                   [](const QSqlQuery& Consulta) { return Consulta.value(0).toString(); });
    if (Lidos.empty()) {
        throw EErroArquivo(QStringLiteral("A transação %1 não está no registro de transações %2.")
                               .arg(Id)
                               .arg(FArquivo));
    }
    return Lidos.front();
}

// Once the WAL has grown past a few megabytes (SQLite's own threshold), and
// truncated so that its size says how much it holds: the first commit after
// a checkpoint syncs the WAL's new header too, so a checkpoint at every idle
// moment would cost each sale one sync more.
void TLivroTransacoes::Consolida() {
    constexpr qint64 TamanhoDoWal = 4 * 1024 * 1024;
    if (!FConexao || !FRetidos.empty() ||
        QFileInfo(FArquivo + QStringLiteral("-wal")).size() < TamanhoDoWal) {
        return;
    }
    try {
        QSqlQuery Ponto = FConexao->Executa(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        while (Ponto.next()) {
        }
    } catch (const EFalhaBanco& Erro) {
        qCWarning(lcLivroTEF).noquote() << MensagemFalha(FArquivo, Erro.Texto);
    }
}

std::optional<QDate> TLivroTransacoes::DataMaisRecente() {
    const std::vector<QString> Lidas =
        LeConsulta(QStringLiteral("SELECT max(data) FROM lancamentos WHERE data <> ''"), {},
                   [](const QSqlQuery& Consulta) { return Consulta.value(0).toString(); });
    const QDate Data =
        Lidas.empty() ? QDate() : QDate::fromString(Lidas.front(), QStringLiteral("yyyyMMdd"));
    return Data.isValid() ? std::optional<QDate>(Data) : std::nullopt;
}

// One batch in one transaction, its pages given back to the file system:
// a year's first trim never needs a WAL of the whole year, and a disk short
// of space still takes it batch by batch.
std::optional<int> TLivroTransacoes::RemoveAnteriores(const QDate& Limite, int Lote) {
    if (!GaranteAberto()) {
        return std::nullopt;
    }
    try {
        int Removidos = 0;
        FConexao->EmTransacao([&] {
            QSqlQuery Remocao = FConexao->Consulta(
                QStringLiteral("DELETE FROM lancamentos WHERE id IN (SELECT id FROM lancamentos "
                               "WHERE data <> '' AND data < ? AND NOT %1 LIMIT ?)")
                    .arg(EstadosAbertos));
            Remocao.addBindValue(Limite.toString(QStringLiteral("yyyyMMdd")));
            Remocao.addBindValue(Lote);
            TConexaoLivro::Roda(Remocao);
            Removidos = Remocao.numRowsAffected();
        });
        if (Removidos > 0) {
            // A row a page freed: the pragma frees them as it is stepped.
            QSqlQuery Vacuo = FConexao->Executa(QStringLiteral("PRAGMA incremental_vacuum"));
            while (Vacuo.next()) {
            }
        }
        return Removidos;
    } catch (const EFalhaBanco& Erro) {
        qCWarning(lcLivroTEF).noquote() << MensagemFalha(FArquivo, Erro.Texto);
        return std::nullopt;
    }
}
