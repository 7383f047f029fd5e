// The transaction journal's cost per transaction (every commit of a printed
// and confirmed sale, on the station's one connection) against one 4 KB
// write synchronised to disk, in the same folder of the same run; and, when
// run with libconta_sincronias.so preloaded, the fsync and fdatasync calls
// each transaction makes, the WAL's checkpoints included: the default runs
// are enough for several to fall among them (about one in 50 transactions).
//   livro [transactions]   (run it on the disk the station uses, not a tmpfs)
#include "LivroTransacoes.h"
#include "Mediana.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

using TContador = long (*)();

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

// A new 4 KB file's data on disk: its size changes with it, as a WAL's
// does when a commit appends to it.
double UmaGravacao(const QByteArray& Caminho) {
    static const std::vector<char> Bloco(4096, 'x');
    QElapsedTimer Tempo;
    Tempo.start();
    const int Descritor =
        ::open(Caminho.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (Descritor < 0 || ::write(Descritor, Bloco.data(), Bloco.size()) != 4096 ||
        ::fdatasync(Descritor) != 0) {
        std::perror("write");
        std::exit(1);
    }
    ::close(Descritor);
    return Tempo.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    const int Vezes = argc > 1 ? std::atoi(argv[1]) : 200;
    const auto Contadas = reinterpret_cast<TContador>(::dlsym(RTLD_DEFAULT, "SincroniasContadas"));
    QTemporaryDir Pasta(QDir::current().filePath(QStringLiteral("livro-XXXXXX")));
    TLivroTransacoes Livro(Pasta.filePath(TLivroTransacoes::NomePadrao));
    Livro.Aviso(); // opened, as at the station's start, before anything is counted
    const QByteArray Arquivo = QFile::encodeName(Pasta.filePath(QStringLiteral("bloco")));
    std::vector<double> Transacoes, Gravacoes;
    long Sincronias = 0;
    for (int I = 1; I <= Vezes; ++I) {
        const long Antes = Contadas ? Contadas() : 0;
        Transacoes.push_back(UmaTransacao(Livro, I));
        Sincronias += Contadas ? Contadas() - Antes : 0;
        Livro.Consolida(); // as the station's idle tick does, between sales
        Gravacoes.push_back(UmaGravacao(Arquivo));
    }
    std::printf("journal, one transaction (6 commits), median of %d: %.3f ms\n", Vezes,
                Mediana(Transacoes));
    std::printf("one synced 4 KB write, median of %d: %.3f ms\n", Vezes, Mediana(Gravacoes));
    if (Contadas) {
        std::printf("sync calls per transaction (fsync + fdatasync), mean of %d: %.2f\n", Vezes,
                    static_cast<double>(Sincronias) / Vezes);
    } else {
        std::printf("sync calls per transaction: not counted (run with "
                    "LD_PRELOAD=libconta_sincronias.so)\n");
    }
    return 0;
}
