#include "ArquivoAtomico.h"

#include "Erros.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::function<void()>& GanchoAntesDeRenomear() {
    static std::function<void()> Gancho;
    return Gancho;
}

[[noreturn]] void FalhaGravacao(const QString& Caminho, int Erro) {
    throw EErroGravacao(QStringLiteral("Não foi possível gravar o arquivo %1: %2")
                            .arg(Caminho, QString::fromLocal8Bit(std::strerror(Erro))));
}

// A new file is private whatever the umask: the station's files hold
// receipts, document numbers and its configuration.
mode_t ModoPadrao(const QByteArray& Destino) {
    struct stat Atual {};
    if (::stat(Destino.constData(), &Atual) == 0) {
        return Atual.st_mode & 07777;
    }
    return 0600;
}

bool GravaTudo(int Descritor, const QByteArray& Dados) {
    const char* Posicao = Dados.constData();
    qsizetype Restante = Dados.size();
    while (Restante > 0) {
        const ssize_t Gravados = ::write(Descritor, Posicao, static_cast<size_t>(Restante));
        if (Gravados < 0 && errno == EINTR) {
            continue;
        }
        if (Gravados <= 0) {
            return false;
        }
        Posicao += Gravados;
        Restante -= Gravados;
    }
    return true;
}

// The rename is durable only once the folder itself reaches the disk.
void SincronizaPasta(const QByteArray& Destino) {
    const QByteArray Pasta =
        QFileInfo(QString::fromLocal8Bit(Destino)).absolutePath().toLocal8Bit();
    const int Descritor = ::open(Pasta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Descritor >= 0) {
        ::fsync(Descritor);
        ::close(Descritor);
    }
}

} // namespace

void DefineGanchoAntesDeRenomear(std::function<void()> Gancho) {
    GanchoAntesDeRenomear() = std::move(Gancho);
}

void GravaArquivoAtomico(const QString& Caminho, const QByteArray& Dados,
                         std::optional<mode_t> Modo) {
    const QByteArray Destino = QFileInfo(Caminho).absoluteFilePath().toLocal8Bit();
    const mode_t Permissoes = Modo.value_or(ModoPadrao(Destino));
    QByteArray Temporario = Destino + ".XXXXXX";
    const int Descritor = ::mkostemp(Temporario.data(), O_CLOEXEC);
    if (Descritor < 0) {
        FalhaGravacao(Caminho, errno);
    }
    int Erro = 0;
    if (!GravaTudo(Descritor, Dados) || ::fchmod(Descritor, Permissoes) != 0 ||
        ::fsync(Descritor) != 0) {
        Erro = errno != 0 ? errno : EIO;
    }
    if (::close(Descritor) != 0 && Erro == 0) {
        Erro = errno;
    }
    if (Erro == 0) {
        if (GanchoAntesDeRenomear()) {
            GanchoAntesDeRenomear()();
        }
        if (::rename(Temporario.constData(), Destino.constData()) != 0) {
            Erro = errno;
        }
    }
    if (Erro != 0) {
        ::unlink(Temporario.constData());
        FalhaGravacao(Caminho, Erro);
    }
    SincronizaPasta(Destino);
}
