// Makes a journal for the start-up benchmark before its timed runs: Linhas
// rows over Dias days up to today, or only the schema with none.
//   preenche_livro FILE ROWS DAYS
#include "CargaLivro.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication Aplicacao(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FILE ROWS DAYS\n", argv[0]);
        return 64;
    }
    const QString Arquivo = QFile::decodeName(argv[1]);
    for (const QString& Sufixo : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        QFile::remove(Arquivo + Sufixo);
    }
    PreencheLivro(Arquivo, std::atoi(argv[2]), std::atoi(argv[3]), QDate::currentDate());
    return 0;
}
