#include "LinhaLancamento.h"

#include "ConexaoLivro.h"

#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr const char* NomesEstado[] = {
    "iniciada",     "aprovada",        "imprimindo",   "impressa",
    "nao_impressa", "decidida",        "finalizada",   "recusada",
    "abandonada",   "sem_confirmacao", "interrompida", "concluida_na_biblioteca"};

TEstadoLancamento EstadoDoNome(const QString& Nome) {
    for (int I = 0; I < static_cast<int>(std::size(NomesEstado)); ++I) {
        if (Nome == QLatin1String(NomesEstado[I])) {
            return static_cast<TEstadoLancamento>(I);
        }
    }
    return TEstadoLancamento::Interrompida;
}

bool TemComprovante(const TLancamentoTEF& L) {
    return !L.Comprovante.trimmed().isEmpty();
}

// A field's value as the file holds it, and back.
QVariant ParaBanco(const QString& Valor) {
    return Valor;
}
QVariant ParaBanco(std::int32_t Valor) {
    return Valor;
}
QVariant ParaBanco(bool Valor) {
    return Valor ? 1 : 0;
}
QVariant ParaBanco(TEstadoLancamento Estado) {
    return NomeEstado(Estado);
}
template <typename T> QVariant ParaBanco(const std::optional<T>& Valor) {
    return Valor ? ParaBanco(*Valor) : QVariant(QMetaType::fromType<T>());
}

void DoBanco(const QVariant& Valor, QString& Campo) {
    Campo = Valor.toString();
}
void DoBanco(const QVariant& Valor, std::int32_t& Campo) {
    Campo = Valor.toInt();
}
void DoBanco(const QVariant& Valor, bool& Campo) {
    Campo = Valor.toInt() != 0;
}
void DoBanco(const QVariant& Valor, TEstadoLancamento& Campo) {
    Campo = EstadoDoNome(Valor.toString());
}
template <typename T> void DoBanco(const QVariant& Valor, std::optional<T>& Campo) {
    if (Valor.isNull()) {
        Campo.reset();
    } else {
        DoBanco(Valor, Campo.emplace());
    }
}

// The field a chain of members names: TMembro<&A::B, &B::C>::De(L) is L.B.C.
template <auto Membro, auto... Dentro> struct TMembro {
    static auto& De(auto& L) {
        if constexpr (sizeof...(Dentro) == 0) {
            return L.*Membro;
        } else {
            return TMembro<Dentro...>::De(L.*Membro);
        }
    }
};

template <std::size_t Indice> struct TMomento {
    static auto& De(auto& L) { return L.Momentos[Indice]; }
};

// A column that holds one field of the row as it is.
template <typename Campo>
constexpr TColunaLancamento DoCampo(const char* Nome, const char* Tipo, int NoDia) {
    return {Nome, Tipo, NoDia, [](const TLancamentoTEF& L) { return ParaBanco(Campo::De(L)); },
            [](TResumoLancamento& R, const QVariant& Valor) {
                DoBanco(Valor, Campo::De(R.Lancamento));
            }};
}

template <auto... Membros>
constexpr TColunaLancamento Coluna(const char* Nome, const char* Tipo, int NoDia = 0) {
    return DoCampo<TMembro<Membros...>>(Nome, Tipo, NoDia);
}

// When the row reached one of its states (TLancamentoTEF::Momentos).
template <std::size_t Indice> constexpr TColunaLancamento Momento(const char* Nome) {
    return DoCampo<TMomento<Indice>>(Nome, "TEXT", 0);
}

// The journal's row. A column is added here, at the end, with a type that
// ALTER TABLE ADD COLUMN takes (NULL allowed, or a default): a file at the
// counter gets it when it opens, and the writes and reads take it at once.
// Rows already in a file that need another value than the default get it
// from a new step in Migracoes.
// "lancamentos_dia" holds all that the day's movement shows (NoDia), after its
// key, the day and the id: a day is a few pages of a year's file, not a
// page a row. The receipt's text, the bulk of a row, stays out of it;
// whether there is one goes in. Its order is the one files already hold:
// a column added to it comes last.
constexpr TColunaLancamento Colunas[] = {
    {"id", "INTEGER PRIMARY KEY AUTOINCREMENT", 2, nullptr,
     [](TResumoLancamento& R, const QVariant& Valor) { R.Lancamento.Id = Valor.toLongLong(); }},
    Coluna<&TLancamentoTEF::Funcao>("funcao", "INTEGER NOT NULL", 3),
    Coluna<&TLancamentoTEF::Documento>("documento", "TEXT NOT NULL", 4),
    Coluna<&TLancamentoTEF::Valor>("valor", "TEXT", 5),
    Coluna<&TLancamentoTEF::Data>("data", "TEXT", 1),
    Coluna<&TLancamentoTEF::Hora>("hora", "TEXT", 6),
    Coluna<&TLancamentoTEF::Operador>("operador", "TEXT"),
    Coluna<&TLancamentoTEF::Restricoes>("restricoes", "TEXT"),
    Coluna<&TLancamentoTEF::Estado>("estado", "TEXT NOT NULL", 7),
    Coluna<&TLancamentoTEF::Resultado>("resultado", "INTEGER", 8),
    Coluna<&TLancamentoTEF::Comprovante>("comprovante", "TEXT"),
    Coluna<&TLancamentoTEF::DadosTransacao>("dados_transacao", "TEXT"),
    Coluna<&TLancamentoTEF::DataHoraTransacao>("data_hora_transacao", "TEXT"),
    Coluna<&TLancamentoTEF::Impresso>("impresso", "INTEGER NOT NULL DEFAULT 0"),
    Coluna<&TLancamentoTEF::Confirma>("confirma", "INTEGER", 9),
    Coluna<&TLancamentoTEF::Motivo>("motivo", "TEXT"),
    Momento<0>("iniciada_em"),
    Momento<1>("aprovada_em"),
    Momento<2>("imprimindo_em"),
    Momento<3>("impressao_em"),
    Momento<4>("decidida_em"),
    Momento<5>("encerrada_em"),
    Coluna<&TLancamentoTEF::ChamadaFinaliza>("finaliza_chamada_em", "TEXT"),
    Coluna<&TLancamentoTEF::Autorizacao, &TAutorizacaoTEF::Rede>("rede_autorizadora", "TEXT", 11),
    Coluna<&TLancamentoTEF::Autorizacao, &TAutorizacaoTEF::Bandeira>("bandeira", "TEXT", 12),
    Coluna<&TLancamentoTEF::Autorizacao, &TAutorizacaoTEF::NsuSiTef>("nsu_sitef", "TEXT", 13),
    Coluna<&TLancamentoTEF::Autorizacao, &TAutorizacaoTEF::NsuHost>("nsu_host", "TEXT", 14),
    Coluna<&TLancamentoTEF::ValorInformado>("valor_informado", "TEXT", 15),
    {"com_comprovante", "INTEGER NOT NULL DEFAULT 1", 10,
     [](const TLancamentoTEF& L) { return QVariant(TemComprovante(L) ? 1 : 0); },
     [](TResumoLancamento& R, const QVariant& Valor) { R.ComComprovante = Valor.toInt() != 0; }},
};

// What each version of the file changed in the rows and indexes of the one
// before, in order: a file keeps its rows and is brought up to date when it
// is opened ("PRAGMA user_version" counts the steps taken). The columns
// come from the table above, all of them there before the first step runs;
// "lancamentos_dia" too, made after the last one.
const std::vector<const char*> Migracoes[] = {
    // Version 1, with the authorisation columns: a day is listed from a year
    // of rows.
    {"CREATE INDEX IF NOT EXISTS lancamentos_data ON lancamentos (data)"},
    // Version 2, with "com_comprovante" and "lancamentos_dia", which takes
    // the place of the index above. Rows written before have a receipt
    // unless theirs is blank, so only those are rewritten. (A row written
    // by a station older than this step keeps the default: its copy may
    // print just the mark.)
    {"UPDATE lancamentos SET com_comprovante = 0 "
     "WHERE trim(coalesce(comprovante, ''), ' ' || char(9, 10, 11, 12, 13, 133, 160)) = ''",
     "DROP INDEX IF EXISTS lancamentos_data"},
};

template <typename Filtro> TSelecaoColunas Seleciona(Filtro Inclui) {
    TSelecaoColunas Selecao;
    QStringList Nomes;
    for (const TColunaLancamento& Coluna : Colunas) {
        if (Inclui(Coluna)) {
            Selecao.Colunas.push_back(&Coluna);
            Nomes.append(QLatin1String(Coluna.Nome));
        }
    }
    Selecao.Nomes = Nomes.join(QStringLiteral(", "));
    return Selecao;
}

const TSelecaoColunas& DaLinha() {
    static const TSelecaoColunas Selecao = Seleciona([](const TColunaLancamento&) { return true; });
    return Selecao;
}

const TSelecaoColunas& DoResumo() {
    static const TSelecaoColunas Selecao =
        Seleciona([](const TColunaLancamento& C) { return C.NoDia > 0; });
    return Selecao;
}

// What a row writes, in the order Vincula binds it.
const TSelecaoColunas& Gravadas() {
    static const TSelecaoColunas Selecao =
        Seleciona([](const TColunaLancamento& C) { return C.Grava != nullptr; });
    return Selecao;
}

TResumoLancamento Le(const QSqlQuery& Consulta, const TSelecaoColunas& Selecao) {
    TResumoLancamento R;
    int Posicao = 0;
    for (const TColunaLancamento* Coluna : Selecao.Colunas) {
        Coluna->Le(R, Consulta.value(Posicao++));
    }
    return R;
}

void Vincula(QSqlQuery& Consulta, const TLancamentoTEF& L) {
    for (const TColunaLancamento* Coluna : Gravadas().Colunas) {
        Consulta.addBindValue(Coluna->Grava(L));
    }
}

// The day index's columns, in its order.
QStringList ColunasDoDia() {
    std::vector<const TColunaLancamento*> NoDia = DoResumo().Colunas;
    std::sort(NoDia.begin(), NoDia.end(), [](auto* A, auto* B) { return A->NoDia < B->NoDia; });
    QStringList Nomes;
    for (const TColunaLancamento* Coluna : NoDia) {
        Nomes.append(QLatin1String(Coluna->Nome));
    }
    return Nomes;
}

// Names as the column table spells them, in lower case: SQLite's know no
// case, and a column a hand wrote in capitals is the table's own.
QStringList NomesNoArquivo(TConexaoLivro& Conexao, const QString& Consulta) {
    const std::vector<QString> Nomes = LeLinhas(Conexao, Consulta, {}, [](const QSqlQuery& Linha) {
        return Linha.value(0).toString().toLower();
    });
    return QStringList(Nomes.begin(), Nomes.end());
}

// The table's columns the file lacks, each added with its default.
QStringList ColunasQueFaltam(TConexaoLivro& Conexao) {
    const QStringList NoArquivo = NomesNoArquivo(
        Conexao, QStringLiteral("SELECT name FROM pragma_table_info('lancamentos')"));
    QStringList Comandos;
    for (const TColunaLancamento& Coluna : Colunas) {
        if (!NoArquivo.contains(QLatin1String(Coluna.Nome))) {
            Comandos.append(QStringLiteral("ALTER TABLE lancamentos ADD COLUMN %1 %2")
                                .arg(QLatin1String(Coluna.Nome), QLatin1String(Coluna.Tipo)));
        }
    }
    return Comandos;
}

// The day's index made again when its columns are not the table's.
QStringList IndiceDoDia(TConexaoLivro& Conexao) {
    const QStringList NoDia = ColunasDoDia();
    if (NomesNoArquivo(Conexao, QStringLiteral("SELECT name FROM pragma_index_info("
                                               "'lancamentos_dia') ORDER BY seqno")) == NoDia) {
        return {};
    }
    return {QStringLiteral("DROP INDEX IF EXISTS lancamentos_dia"),
            QStringLiteral("CREATE INDEX lancamentos_dia ON lancamentos (%1)")
                .arg(NoDia.join(QStringLiteral(", ")))};
}

// The missing columns, each step not yet taken and the day's index, in one
// transaction with the version: a file is either as it was or up to date.
// A file already up to date is not written.
void Migra(TConexaoLivro& Conexao) {
    QSqlQuery Versao = Conexao.Executa(QStringLiteral("PRAGMA user_version"));
    const int Atual = Versao.next() ? Versao.value(0).toInt() : 0;
    Versao.finish();
    const int Passos = static_cast<int>(std::size(Migracoes));
    QStringList Comandos = ColunasQueFaltam(Conexao);
    for (int Passo = Atual; Passo < Passos; ++Passo) {
        for (const char* Comando : Migracoes[Passo]) {
            Comandos.append(QString::fromLatin1(Comando));
        }
    }
    Comandos.append(IndiceDoDia(Conexao));
    if (Atual < Passos) {
        Comandos.append(QStringLiteral("PRAGMA user_version = %1").arg(Passos));
    }
    if (Comandos.isEmpty()) {
        return;
    }
    Conexao.EmTransacao([&] {
        for (const QString& Comando : Comandos) {
            Conexao.Executa(Comando);
        }
    });
}

} // namespace

std::span<const TColunaLancamento> ColunasLancamento() {
    return Colunas;
}

const QString& ColunasDaLinha() {
    return DaLinha().Nomes;
}

TLancamentoTEF LeLinha(const QSqlQuery& Consulta) {
    return LeLinhaDe(Consulta, DaLinha());
}

TSelecaoColunas ColunasNoArquivo(const QStringList& NoArquivo) {
    return Seleciona([&NoArquivo](const TColunaLancamento& C) {
        return NoArquivo.contains(QLatin1String(C.Nome), Qt::CaseInsensitive);
    });
}

TLancamentoTEF LeLinhaDe(const QSqlQuery& Consulta, const TSelecaoColunas& Colunas) {
    return Le(Consulta, Colunas).Lancamento;
}

const QString& ColunasDoResumo() {
    return DoResumo().Nomes;
}

TResumoLancamento LeResumo(const QSqlQuery& Consulta) {
    return Le(Consulta, DoResumo());
}

TResumoLancamento Resumo(TLancamentoTEF L) {
    const bool Tem = TemComprovante(L);
    L.Comprovante.clear();
    return {std::move(L), Tem};
}

QString NomeEstado(TEstadoLancamento Estado) {
    return QString::fromLatin1(NomesEstado[static_cast<int>(Estado)]);
}

// The table, and an index on the states so that the open transactions are
// found without reading a year of closed ones.
void CriaEsquema(TConexaoLivro& Conexao) {
    QStringList Definicoes;
    for (const TColunaLancamento& Coluna : Colunas) {
        Definicoes.append(QLatin1String(Coluna.Nome) + u' ' + QLatin1String(Coluna.Tipo));
    }
    Conexao.Executa(QStringLiteral("CREATE TABLE IF NOT EXISTS lancamentos (%1)")
                        .arg(Definicoes.join(QStringLiteral(", "))));
    Conexao.Executa(
        QStringLiteral("CREATE INDEX IF NOT EXISTS lancamentos_estado ON lancamentos (estado)"));
    Migra(Conexao);
}

void Insere(TConexaoLivro& Conexao, TLancamentoTEF& L) {
    const TSelecaoColunas& Escritas = Gravadas();
    QSqlQuery Consulta = Conexao.Consulta(
        QStringLiteral("INSERT INTO lancamentos (%1) VALUES (%2)")
            .arg(Escritas.Nomes,
                 QStringList(static_cast<qsizetype>(Escritas.Colunas.size()), QStringLiteral("?"))
                     .join(QStringLiteral(", "))));
    Vincula(Consulta, L);
    TConexaoLivro::Roda(Consulta);
    L.Id = Consulta.lastInsertId().toLongLong();
}

void Atualiza(TConexaoLivro& Conexao, const TLancamentoTEF& L, TEstadoLancamento Anterior) {
    QString Atribuicoes = Gravadas().Nomes;
    Atribuicoes.replace(u',', QStringLiteral(" = ?,")).append(QStringLiteral(" = ?"));
    QSqlQuery Consulta = Conexao.Consulta(
        QStringLiteral("UPDATE lancamentos SET %1 WHERE id = ? AND estado = ?").arg(Atribuicoes));
    Vincula(Consulta, L);
    Consulta.addBindValue(QVariant::fromValue(L.Id));
    Consulta.addBindValue(NomeEstado(Anterior));
    TConexaoLivro::Roda(Consulta);
    if (Consulta.numRowsAffected() == 1) {
        return;
    }
    const std::vector<QString> Atual =
        LeLinhas(Conexao, QStringLiteral("SELECT estado FROM lancamentos WHERE id = ?"),
                 {QVariant::fromValue(L.Id)},
                 [](const QSqlQuery& Linha) { return Linha.value(0).toString(); });
    throw EConflito{
        L.Id,
        QStringLiteral("A transação TEF (documento %1) não foi gravada como \"%2\": o registro "
                       "de transações a tem como \"%3\", gravada por outro programa.")
            .arg(L.Documento, NomeEstado(L.Estado),
                 Atual.empty() ? QStringLiteral("ausente") : Atual.front())};
}
