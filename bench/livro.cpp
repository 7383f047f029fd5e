// The transaction journal's cost per transaction (every commit of a printed
// and confirmed sale, each on its own connection) against one 4 KB write
// synchronised to disk, in the same folder of the same run.
//   livro [transactions]   (run it on the disk the station uses, not a tmpfs)
#include "LivroTransacoes.h"
#include "Mediana.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

double UmaTransacao(TLivroTransacoes& Livro, int Numero) {
    QElapsedTimer Tempo;
    Tempo.start();
    TLancamentoTEF Lancamento;
    Lancamento.Documento = QString::number(Numero);
    Lancamento.Valor = QStringLiteral("        12,34");
    Lancamento.Comprovante = QString(1200, u'x');
    Livro.Inicia(Lancamento);
    for (const TEstadoLancamento Estado :
         {TEstadoLancamento::Aprovada, TEstadoLancamento::Imprimindo, TEstadoLancamento::Impressa,
          TEstadoLancamento::Decidida, TEstadoLancamento::Finalizada}) {
        Livro.Registra(Lancamento, Estado);
    }
    return Tempo.nsecsElapsed() / 1e6;
}

double UmaGravacao(const QByteArray& Caminho) {
    static const std::vector<char> Bloco(4096, 'x');
    QElapsedTimer Tempo;
    Tempo.start();
    const int Descritor =
        ::open(Caminho.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (Descritor < 0 || ::write(Descritor, Bloco.data(), Bloco.size()) != 4096 ||
        ::fsync(Descritor) != 0) {
        std::perror("write");
        std::exit(1);
    }
    ::close(Descritor);
    return Tempo.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    const int Vezes = argc > 1 ? std::atoi(argv[1]) : 30;
    QTemporaryDir Pasta(QDir::current().filePath(QStringLiteral("livro-XXXXXX")));
    TLivroTransacoes Livro(Pasta.filePath(TLivroTransacoes::NomePadrao));
    const QByteArray Arquivo = QFile::encodeName(Pasta.filePath(QStringLiteral("bloco")));
    std::vector<double> Transacoes, Gravacoes;
    for (int I = 1; I <= Vezes; ++I) {
        Transacoes.push_back(UmaTransacao(Livro, I));
        Gravacoes.push_back(UmaGravacao(Arquivo));
    }
    std::printf("journal, one transaction (6 commits), median of %d: %.3f ms\n", Vezes,
                Mediana(Transacoes));
    std::printf("one synced 4 KB write, median of %d: %.3f ms\n", Vezes, Mediana(Gravacoes));
    return 0;
}
