// Opening "Movimento TEF" on a year of a busy counter (40,000 journal rows,
// about 110 a day, each with its receipt) and showing one day. The station
// makes the window once, hidden, while it waits after its start, and keeps
// it: an opening reads the day and shows the window. The first opening and
// a later one are measured apart, and the making beside them. Reading the
// same day's rows with a plain query on its own connection, in a copy of
// the same file (the station's connection holds the file itself
// exclusively), gives the scale of the journal's part, and says whether the
// window listed the whole day.
// The window is made without a parent; under the station's main window,
// which sets no style sheet, it is styled the same. Fewer days put more rows
// in the day shown: one day of 40,000 rows shows what reading a row costs.
//   movimento [rows] [runs] [days]
#include "CargaLivro.h"
#include "CliSiTef.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "LivroTransacoes.h"
#include "MAN_CAIXA_TEF_MOVIMENTO.h"
#include "Mediana.h"
#include "OperadorTEFQt.h"
#include "Relogio.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const QDate Hoje(2026, 12, 8);

// The window as the station makes it while it waits after its start:
// hidden, its day read, made ready to show.
double FazJanela(std::unique_ptr<TManCaixaTefMovimento>& Janela, TLivroTransacoes& Livro,
                 TDM_TEF& Modulo) {
    QElapsedTimer Tempo;
    Tempo.start();
    Janela = std::make_unique<TManCaixaTefMovimento>(Livro, Modulo);
    Janela->Prepara();
    return Tempo.nsecsElapsed() / 1e6;
}

// An opening, as the station makes it: the day read again, the window shown.
double AbreJanela(TManCaixaTefMovimento& Janela) {
    QElapsedTimer Tempo;
    Tempo.start();
    Janela.MostraHoje();
    Janela.show();
    QApplication::processEvents();
    const double Ms = Tempo.nsecsElapsed() / 1e6;
    Janela.hide();
    return Ms;
}

double ConsultaSimples(const QString& Arquivo, int& Linhas) {
    QElapsedTimer Tempo;
    Tempo.start();
    {
        QSqlDatabase Banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "simples");
        Banco.setDatabaseName(Arquivo);
        if (!Banco.open()) {
            FalhaBanco(Banco.lastError());
        }
        QSqlQuery Consulta(Banco);
        Consulta.setForwardOnly(true);
        if (!Consulta.prepare(QStringLiteral("SELECT * FROM lancamentos WHERE data = ?"))) {
            FalhaBanco(Consulta.lastError());
        }
        Consulta.addBindValue(Hoje.toString(QStringLiteral("yyyyMMdd")));
        if (!Consulta.exec()) {
            FalhaBanco(Consulta.lastError());
        }
        Linhas = 0;
        const int Colunas = Consulta.record().count();
        while (Consulta.next()) {
            for (int C = 0; C < Colunas; ++C) {
                Consulta.value(C);
            }
            ++Linhas;
        }
    }
    QSqlDatabase::removeDatabase("simples");
    return Tempo.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication Aplicacao(argc, argv);
    const int Linhas = argc > 1 ? std::atoi(argv[1]) : 40000;
    const int Vezes = argc > 2 ? std::atoi(argv[2]) : 30;
    const int Dias = argc > 3 ? std::atoi(argv[3]) : 365;
    QTemporaryDir Pasta(QDir::current().filePath(QStringLiteral("movimento-XXXXXX")));
    const QString Arquivo = Pasta.filePath(TLivroTransacoes::NomePadrao);
    PreencheLivro(Arquivo, Linhas, Dias, Hoje);
    const QString Copia = Pasta.filePath(QStringLiteral("copia.db"));
    if (!QFile::copy(Arquivo, Copia)) {
        std::fprintf(stderr, "could not copy %s\n", qPrintable(Arquivo));
        return 1;
    }
    Relogio::Define([] { return QDateTime(Hoje, QTime(18, 0)); });

    TCliSiTef CliSiTef;
    TOperadorTEFQt Operador;
    TLivroTransacoes Livro(Arquivo);
    Livro.Aviso(); // opened, as at the station's start
    TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
    TDM_TEF Modulo(Ambiente, nullptr);
    std::vector<double> Feituras, Primeiras, Seguintes, Consultas;
    int NaJanela = 0, NaConsulta = 0;
    for (int I = 0; I < Vezes; ++I) {
        std::unique_ptr<TManCaixaTefMovimento> Janela;
        Feituras.push_back(FazJanela(Janela, Livro, Modulo));
        Primeiras.push_back(AbreJanela(*Janela));
        Seguintes.push_back(AbreJanela(*Janela));
        NaJanela = static_cast<int>(Janela->Movimento().Linhas().size());
        Consultas.push_back(ConsultaSimples(Copia, NaConsulta));
    }
    if (NaJanela != NaConsulta || NaJanela == 0) {
        std::fprintf(stderr, "the window listed %d rows, the query read %d\n", NaJanela,
                     NaConsulta);
        return 1;
    }
    std::printf("journal of %d rows, one day of %d rows, median of %d\n", Linhas, NaJanela, Vezes);
    std::printf("movement window, first opening: %.3f ms\n", Mediana(Primeiras));
    std::printf("movement window, a later opening: %.3f ms\n", Mediana(Seguintes));
    std::printf("movement window made hidden after the start: %.3f ms\n", Mediana(Feituras));
    std::printf("plain query of the same rows: %.3f ms\n", Mediana(Consultas));
    return 0;
}
