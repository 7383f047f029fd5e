// Report generation and raw delivery, measured in one run.
//   impressao [queue]   (CUPS_SERVER names the scheduler; the queue defaults
//                        to the scheduler's default destination)
// Prints: the first document of the process apart (it also opens the
// Windows-1252 converter and reads the time zone, once per run of the
// station) and an empty document (the cost of every document); then time
// per page and peak memory for 10, 1,000 and 10,000 pages, generation
// against writing the same bytes with a plain buffered write; and raw
// delivery of 4 KB and 1 MB to the queue, one call per character and in
// whole buffers, against "lp -o raw" of the same file.

#include "Mediana.h"
#include "NPRN.h"
#include "NReport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

long MemoriaMaximaKb() {
    rusage Uso{};
    getrusage(RUSAGE_SELF, &Uso);
    return Uso.ru_maxrss;
}

const QString LinhaCheia = QStringLiteral("0123456789 Transação aprovada - ").repeated(3).left(79);

struct TGeracao {
    double SegundosGeracao;
    qint64 BytesSpool;
};

TGeracao Gera(int Paginas) {
    TNTextReport Relatorio;
    Relatorio.DefaultHeader = false;
    Relatorio.OnPrintDetail = [Paginas](TNTextReport& R) {
        for (int Linha = 0; Linha < Paginas * 63; ++Linha) {
            R.PrintText(R.CurrentLine() + 1, 0, LinhaCheia, 0);
        }
    };
    QElapsedTimer Tempo;
    Tempo.start();
    Relatorio.BeginDoc();
    Relatorio.OnPrintDetail(Relatorio);
    Relatorio.EndDoc();
    const double Segundos = Tempo.nsecsElapsed() / 1e9;
    const qint64 Bytes = QFile(Relatorio.ArquivoSpool()).size();
    return {Segundos, Bytes};
}

double EscritaSimples(qint64 Bytes, const QString& Arquivo) {
    const QByteArray Linha = LinhaCheia.toLatin1() + "\r\n";
    QElapsedTimer Tempo;
    Tempo.start();
    std::FILE* Saida = std::fopen(QFile::encodeName(Arquivo).constData(), "wb");
    for (qint64 Escritos = 0; Escritos < Bytes; Escritos += Linha.size()) {
        std::fwrite(Linha.constData(), 1, static_cast<size_t>(Linha.size()), Saida);
    }
    std::fclose(Saida);
    return Tempo.nsecsElapsed() / 1e9;
}

double Entrega(const QString& Fila, const QByteArray& Documento, bool PorCaractere) {
    QElapsedTimer Tempo;
    Tempo.start();
    TRawPrinter Impressora;
    if (!Impressora.Open(Fila, QString(), QStringLiteral("bench"))) {
        return -1;
    }
    if (PorCaractere) {
        for (qsizetype I = 0; I < Documento.size(); ++I) {
            Impressora.Write(Documento.mid(I, 1));
        }
    } else {
        Impressora.Write(Documento);
    }
    Impressora.Close();
    return Tempo.nsecsElapsed() / 1e9;
}

double EntregaLp(const QString& Fila, const QString& Arquivo) {
    QElapsedTimer Tempo;
    Tempo.start();
    QProcess::execute(QStringLiteral("lp"), {QStringLiteral("-s"), QStringLiteral("-d"), Fila,
                                             QStringLiteral("-o"), QStringLiteral("raw"), Arquivo});
    return Tempo.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication Aplicacao(argc, argv);
    QTemporaryDir Pasta;

    std::printf("report generation (80 columns, 63 lines a page)\n");
    std::printf("first document of the process, 1 page: %.2f us\n", Gera(1).SegundosGeracao * 1e6);
    std::printf("empty document: %.2f us\n", Gera(0).SegundosGeracao * 1e6);
    std::printf("%8s %14s %14s %16s %12s\n", "pages", "us/page", "peak RSS KiB", "plain write/page",
                "ratio");
    for (int Paginas : {10, 1000, 10000}) {
        // A short document takes a fraction of a millisecond: one run of it
        // says more about the machine than about the report. Medians of
        // runs taken in turns.
        const int Vezes = std::clamp(10000 / Paginas, 3, 21);
        std::vector<double> Geracoes, Simples;
        for (int Vez = 0; Vez < Vezes; ++Vez) {
            const TGeracao Geracao = Gera(Paginas);
            Geracoes.push_back(Geracao.SegundosGeracao);
            Simples.push_back(
                EscritaSimples(Geracao.BytesSpool, Pasta.filePath(QStringLiteral("simples.prn"))));
        }
        const double Relatorio = Mediana(Geracoes);
        const double Escrita = Mediana(Simples);
        std::printf("%8d %14.2f %14ld %16.2f %12.1f\n", Paginas, Relatorio * 1e6 / Paginas,
                    MemoriaMaximaKb(), Escrita * 1e6 / Paginas, Relatorio / Escrita);
    }

    ListaImpressoras::Reinicia();
    TPrinterInfo Impressora;
    const QString Fila = argc > 1 ? QString::fromLocal8Bit(argv[1])
                         : ListaImpressoras::ConfiguracaoPadrao(Impressora) ? Impressora.Device
                                                                            : QString();
    if (Fila.isEmpty()) {
        std::printf("no queue: raw delivery not measured\n");
        return 0;
    }
    std::printf("\nraw delivery to queue %s\n", qPrintable(Fila));
    std::printf("%8s %14s %14s %14s %14s %14s\n", "size", "whole (ms)", "per char (ms)",
                "lp -o raw (ms)", "whole/lp", "per char/lp");
    for (qsizetype Tamanho : {qsizetype(4096), qsizetype(1 << 20)}) {
        QByteArray Documento(Tamanho, 'x');
        for (qsizetype I = 79; I < Tamanho; I += 81) {
            Documento[I] = '\r';
            Documento[I + 1 < Tamanho ? I + 1 : I] = '\n';
        }
        const QString Arquivo = Pasta.filePath(QStringLiteral("documento.prn"));
        QFile Saida(Arquivo);
        Saida.open(QIODevice::WriteOnly);
        Saida.write(Documento);
        Saida.close();
        const double Inteiro = Entrega(Fila, Documento, false);
        const double PorCaractere = Entrega(Fila, Documento, true);
        const double Lp = EntregaLp(Fila, Arquivo);
        std::printf("%8lld %14.2f %14.2f %14.2f %14.2f %14.2f\n", static_cast<long long>(Tamanho),
                    Inteiro * 1e3, PorCaractere * 1e3, Lp * 1e3, Inteiro / Lp, PorCaractere / Lp);
    }
    return 0;
}
