#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <type_traits>
#include <vector>

// What SQLite said; Codigo is its primary result code.
struct EFalhaBanco {
    QString Texto;
    int Codigo = 0;

    bool Danificado() const { return Codigo == 11 || Codigo == 26; } // CORRUPT, NOTADB
    bool Ocupado() const { return Codigo == 5 || Codigo == 6; }      // BUSY, LOCKED
};

// The station's one connection to its journal, open for the station's life
// and holding the file exclusively (SQLite's exclusive locking mode, taken by
// a write at once): a second station on the folder, or a program opened on
// the file, cannot take it nor stall a state change, whatever happened to
// the folder's lock file. The WAL index lives in the connection's memory.
// Every failure raises EFalhaBanco.
class TConexaoLivro {
public:
    explicit TConexaoLivro(const QString& Arquivo);
    ~TConexaoLivro();
    TConexaoLivro(const TConexaoLivro&) = delete;
    TConexaoLivro& operator=(const TConexaoLivro&) = delete;

    QSqlQuery Consulta(const QString& Comando);
    static void Roda(QSqlQuery& Consulta);
    QSqlQuery Executa(const QString& Comando);
    // Work committed whole or not at all; the connection stays usable after
    // a refused commit (a full disk).
    template <typename Trabalho> void EmTransacao(Trabalho&& Faz) {
        Executa(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            Faz();
            Executa(QStringLiteral("COMMIT"));
        } catch (...) {
            QSqlQuery(FBanco).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    }

private:
    void Fecha();

    QString FNome;
    QSqlDatabase FBanco;
};

// Comando's rows, each read by LeUma. Raises EFalhaBanco.
template <typename Leitor>
auto LeLinhas(TConexaoLivro& Conexao, const QString& Comando, const QVariantList& Valores,
              Leitor LeUma) {
    std::vector<std::invoke_result_t<Leitor, const QSqlQuery&>> Lidos;
    QSqlQuery Consulta = Conexao.Consulta(Comando);
    for (const QVariant& Valor : Valores) {
        Consulta.addBindValue(Valor);
    }
    Consulta.setForwardOnly(true);
    TConexaoLivro::Roda(Consulta);
    while (Consulta.next()) {
        Lidos.push_back(LeUma(Consulta));
    }
    return Lidos;
}
