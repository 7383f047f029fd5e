#include "ConexaoLivro.h"

#include <QAtomicInteger>
#include <QSqlError>

namespace {

[[noreturn]] void Falha(const QSqlError& Erro) {
    throw EFalhaBanco{Erro.text(), Erro.nativeErrorCode().toInt() & 0xff};
}

QAtomicInteger<int>& Contador() {
    static QAtomicInteger<int> Valor;
    return Valor;
}

} // namespace

TConexaoLivro::TConexaoLivro(const QString& Arquivo)
    : FNome(QStringLiteral("livro-%1").arg(Contador().fetchAndAddRelaxed(1))) {
    FBanco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FNome);
    FBanco.setDatabaseName(Arquivo);
    FBanco.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=500"));
    try {
        if (!FBanco.open()) {
            Falha(FBanco.lastError());
        }
        // In this order: the locking mode before WAL is entered keeps the
        // WAL index out of a shared file; incremental vacuum takes effect
        // only on a file that has no page yet (set on any other, it
        // rewrites the header at every start).
        Executa(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        if (QSqlQuery Paginas = Executa(QStringLiteral("PRAGMA page_count"));
            Paginas.next() && Paginas.value(0).toLongLong() == 0) {
            Executa(QStringLiteral("PRAGMA auto_vacuum=INCREMENTAL"));
        }
        Executa(QStringLiteral("PRAGMA journal_mode=WAL"));
        Executa(QStringLiteral("PRAGMA synchronous=FULL"));
        // Checkpoints run while the counter is idle (Consolida), never
        // inside the sale that fills the WAL.
        Executa(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
        Executa(QStringLiteral("BEGIN EXCLUSIVE"));
        Executa(QStringLiteral("COMMIT"));
    } catch (...) {
        // A failed open is retried every half second: nothing may stay behind.
        Fecha();
        throw;
    }
}

TConexaoLivro::~TConexaoLivro() {
    Fecha();
}

QSqlQuery TConexaoLivro::Consulta(const QString& Comando) {
    QSqlQuery Consulta(FBanco);
    if (!Consulta.prepare(Comando)) {
        Falha(Consulta.lastError());
    }
    return Consulta;
}

void TConexaoLivro::Roda(QSqlQuery& Consulta) {
    if (!Consulta.exec()) {
        Falha(Consulta.lastError());
    }
}

QSqlQuery TConexaoLivro::Executa(const QString& Comando) {
    QSqlQuery Pronta = Consulta(Comando);
    Roda(Pronta);
    return Pronta;
}

void TConexaoLivro::Fecha() {
    FBanco.close();
    FBanco = QSqlDatabase();
    QSqlDatabase::removeDatabase(FNome);
}
