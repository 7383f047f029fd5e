#include "CargaLivro.h"

#include "LivroTransacoes.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cstdio>
#include <cstdlib>

void FalhaBanco(const QSqlError& Erro) {
    std::fprintf(stderr, "%s\n", qPrintable(Erro.text()));
    std::exit(1);
}

// All rows in one transaction.
void PreencheLivro(const QString& Arquivo, int Linhas, int Dias, const QDate& Ultimo) {
    TLivroTransacoes(Arquivo).Aviso(); // the schema, as the station makes it when it opens
    QSqlDatabase Banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "carga");
    Banco.setDatabaseName(Arquivo);
    if (!Banco.open()) {
        FalhaBanco(Banco.lastError());
    }
    {
        QSqlQuery Consulta(Banco);
        Consulta.exec(QStringLiteral("BEGIN"));
        Consulta.prepare(QStringLiteral(
            "INSERT INTO lancamentos (funcao, documento, valor, data, hora, operador, restricoes, "
            "estado, resultado, comprovante, impresso, confirma, motivo, rede_autorizadora, "
            "bandeira, nsu_sitef, nsu_host) VALUES (0, ?, '        12,34', ?, ?, '999', '[]', "
            "'finalizada', 0, ?, 1, 1, 'cupom impresso', '00005', '00001', ?, ?)"));
        const QString Comprovante = QString(1200, u'x');
        for (int I = 0; I < Linhas; ++I) {
            const QDate Dia = Ultimo.addDays(-((Linhas - 1 - I) * qint64{Dias} / Linhas));
            Consulta.addBindValue(QString::number(I + 1));
            Consulta.addBindValue(Dia.toString(QStringLiteral("yyyyMMdd")));
            Consulta.addBindValue(QString::number(80000 + I % 9000));
            Consulta.addBindValue(Comprovante);
            Consulta.addBindValue(QString::number(I % 1000000));
            Consulta.addBindValue(QString::number(I));
            if (!Consulta.exec()) {
                FalhaBanco(Consulta.lastError());
            }
        }
        Consulta.exec(QStringLiteral("COMMIT"));
    }
    Banco.close();
    Banco = QSqlDatabase();
    QSqlDatabase::removeDatabase("carga");
}
