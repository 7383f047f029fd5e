#pragma once

#include "LivroTransacoes.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <span>
#include <vector>

class QSqlQuery;
class TConexaoLivro;

// One column of the journal's table "lancamentos": what the file holds and
// how a row's field goes into it and comes back.
struct TColunaLancamento {
    const char* Nome;
    // As CREATE TABLE and ALTER TABLE ADD COLUMN take it: the type, its
    // constraints and its default.
    const char* Tipo;
    // Its place in the day's index "lancamentos_dia", counted from 1; 0
    // when the index does not carry it.
    int NoDia;
    // The value a row writes into it; none for the id, which SQLite gives.
    QVariant (*Grava)(const TLancamentoTEF&);
    // Puts the value read into the row, or into what a day's summary adds.
    void (*Le)(TResumoLancamento&, const QVariant&);
};

// Every column, in the table's order; the schema, the day's index, the
// writes and the reads all come from it.
std::span<const TColunaLancamento> ColunasLancamento();

// What a "SELECT <ColunasDaLinha()> FROM lancamentos" row holds, read by
// position, not by name, so that a day of rows costs what the query does.
const QString& ColunasDaLinha();
TLancamentoTEF LeLinha(const QSqlQuery& Consulta);
// Columns a statement names, bound or read back in the same order.
struct TSelecaoColunas {
    std::vector<const TColunaLancamento*> Colunas;
    QString Nomes;
};
// The columns of ColunasDaLinha() that a file has (NoArquivo, their names),
// for a file read as it is, never brought up to date (a damaged one, of any
// version): a row read through them leaves a field whose column the file
// lacks as a new row has it.
TSelecaoColunas ColunasNoArquivo(const QStringList& NoArquivo);
TLancamentoTEF LeLinhaDe(const QSqlQuery& Consulta, const TSelecaoColunas& Colunas);
// The same for a day's summary: only columns of "lancamentos_dia", so that
// the day is read from the index alone.
const QString& ColunasDoResumo();
TResumoLancamento LeResumo(const QSqlQuery& Consulta);
// The summary of a row the station holds in memory.
TResumoLancamento Resumo(TLancamentoTEF L);

// The state's name in the file.
QString NomeEstado(TEstadoLancamento Estado);

// The table and its indexes; a file of an earlier version, or one the table
// has columns more than, is brought up to date. Raises EFalhaBanco.
void CriaEsquema(TConexaoLivro& Conexao);

// Writes a new row and gives L its id. Raises EFalhaBanco.
void Insere(TConexaoLivro& Conexao, TLancamentoTEF& L);

// A row that is not in the state the station last wrote: something else
// changed it, and it is never written over.
struct EConflito {
    std::int64_t Id;
    QString Texto;
};

// The row moves from Anterior, the state the station last wrote, to L's.
// Raises EConflito, or EFalhaBanco.
void Atualiza(TConexaoLivro& Conexao, const TLancamentoTEF& L, TEstadoLancamento Anterior);
