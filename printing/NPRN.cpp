#include "NPRN.h"

#include "RegistroImpressao.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <cups/cups.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TFileWriter::~TFileWriter() {
    Close();
}

bool TFileWriter::Open(const QString& FileName, int Mode) {
    Close();
    FUltimoErro.clear();
    if (FileName.trimmed().isEmpty()) {
        FUltimoErro = QStringLiteral("no file name");
        return false;
    }
    int Bandeiras = O_WRONLY | O_CLOEXEC;
    if (Mode == ModoCria) {
        Bandeiras |= O_CREAT | O_TRUNC;
    } else if (Mode == ModoExclusivo) {
        Bandeiras |= O_CREAT | O_EXCL;
    }
    // A new exclusive file is private (the report's spool holds receipt data).
    const int Handle = ::open(QFile::encodeName(FileName).constData(), Bandeiras,
                              Mode == ModoExclusivo ? 0600 : 0644);
    if (Handle < 0) {
        return Falhou();
    }
    // Not shared: a second writer on the same file is refused.
    if (::flock(Handle, LOCK_EX | LOCK_NB) != 0) {
        Falhou();
        ::close(Handle);
        return false;
    }
    FHandle = Handle;
    return true;
}

std::int32_t TFileWriter::Write(const QByteArray& Text) {
    if (FHandle < 0) {
        return -1;
    }
    qsizetype Escritos = 0;
    while (Escritos < Text.size()) {
        const ssize_t Parte = ::write(FHandle, Text.constData() + Escritos,
                                      static_cast<size_t>(Text.size() - Escritos));
        if (Parte < 0 && errno == EINTR) {
            continue;
        }
        if (Parte <= 0) {
            if (Parte == 0) {
                errno = EIO;
            }
            Falhou();
            break;
        }
        Escritos += Parte;
    }
    return static_cast<std::int32_t>(Escritos);
}

bool TFileWriter::Close() {
    if (FHandle < 0) {
        return true;
    }
    const bool Fechado = ::close(FHandle) == 0 || Falhou();
    FHandle = -1;
    return Fechado;
}

bool TFileWriter::Falhou() {
    FUltimoErro = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}

QString TRawPrinter::Trabalho() const {
    QString Nome = QStringLiteral("queue ") + QString::fromUtf8(FFila);
    if (FTrabalho > 0) {
        Nome += QStringLiteral(", job ") + QString::number(FTrabalho);
    }
    return Nome;
}

bool TRawPrinter::Falhou(const QString& Etapa) const {
    const QString Linha = Trabalho() + QStringLiteral(": ") + Etapa + QStringLiteral(" failed: ") +
                          QString::fromUtf8(cupsLastErrorString());
    qCWarning(lcImpressao).noquote() << Linha;
    return false;
}

TRawPrinter::~TRawPrinter() {
    if (Aberto()) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, FFila.constData(), FTrabalho, 0);
    }
}

bool TRawPrinter::Open(const QString& Device, const QString& /*Port*/, const QString& DocName) {
    if (Aberto()) {
        return false;
    }
    FFila = Device.toUtf8();
    cups_dest_t* Destino = cupsGetNamedDest(CUPS_HTTP_DEFAULT, FFila.constData(), nullptr);
    if (Destino == nullptr) {
        return Falhou(QStringLiteral("finding the queue"));
    }
    cupsFreeDests(1, Destino);
    const QByteArray Titulo = DocName.toUtf8();
    const int Numero =
        cupsCreateJob(CUPS_HTTP_DEFAULT, FFila.constData(), Titulo.constData(), 0, nullptr);
    if (Numero <= 0) {
        return Falhou(QStringLiteral("creating the job"));
    }
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, FFila.constData(), Numero, Titulo.constData(),
                          CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE) {
        FTrabalho = Numero;
        Falhou(QStringLiteral("starting the document"));
        cupsCancelJob2(CUPS_HTTP_DEFAULT, FFila.constData(), Numero, 0);
        FTrabalho = 0;
        return false;
    }
    FTrabalho = Numero;
    qCInfo(lcImpressao).noquote() << QString(Trabalho() + QStringLiteral(": started"));
    return true;
}

bool TRawPrinter::Write(const QByteArray& Text) {
    if (!Aberto() || Text.isEmpty()) {
        return false;
    }
    return cupsWriteRequestData(CUPS_HTTP_DEFAULT, Text.constData(),
                                static_cast<size_t>(Text.size())) == HTTP_STATUS_CONTINUE ||
           Falhou(QStringLiteral("sending the data"));
}

bool TRawPrinter::Close() {
    if (!Aberto()) {
        return false;
    }
    // Every IPP success status means the job was accepted; reporting one as
    // a failure would print the receipt twice or undo a paid sale.
    const ipp_status_t Status = cupsFinishDocument(CUPS_HTTP_DEFAULT, FFila.constData());
    const bool Aceito = Status <= IPP_STATUS_OK_EVENTS_COMPLETE;
    const QString Resposta = QString::fromLatin1(ippErrorString(Status));
    if (Aceito) {
        qCInfo(lcImpressao).noquote()
            << QString(Trabalho() + QStringLiteral(": accepted, ") + Resposta);
    } else {
        Falhou(QStringLiteral("closing the document (") + Resposta + u')');
    }
    FTrabalho = 0;
    return Aceito;
}

namespace ListaImpressoras {
namespace {

struct TImpressora {
    QString Nome;
    QString Driver;
    QString Porta;
    bool Padrao = false;
};

struct TEstado {
    QList<TImpressora> Impressoras;
    int Atual = -1;
    bool Lida = false;
};

TEstado& Estado() {
    static TEstado Lista;
    return Lista;
}

QString Opcao(const cups_dest_t& Destino, const char* Nome) {
    return QString::fromUtf8(cupsGetOption(Nome, Destino.num_options, Destino.options));
}

void Le() {
    TEstado& Lista = Estado();
    Lista.Impressoras.clear();
    Lista.Atual = -1;
    cups_dest_t* Destinos = nullptr;
    const int Quantos = cupsGetDests2(CUPS_HTTP_DEFAULT, &Destinos);
    if (Quantos == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        qCWarning(lcImpressao).noquote()
            << QStringLiteral("no printer list: %1").arg(QString::fromUtf8(cupsLastErrorString()));
    }
    for (int I = 0; I < Quantos; ++I) {
        if (Destinos[I].instance != nullptr) {
            continue;
        }
        Lista.Impressoras.append({QString::fromUtf8(Destinos[I].name),
                                  Opcao(Destinos[I], "printer-make-and-model"),
                                  Opcao(Destinos[I], "device-uri"), Destinos[I].is_default != 0});
        if (Destinos[I].is_default != 0) {
            Lista.Atual = static_cast<int>(Lista.Impressoras.size()) - 1;
        }
    }
    cupsFreeDests(Quantos, Destinos);
    if (Lista.Atual < 0 && !Lista.Impressoras.isEmpty()) {
        Lista.Atual = 0;
    }
    Lista.Lida = true;
}

TEstado& Lida() {
    if (!Estado().Lida) {
        Le();
    }
    return Estado();
}

} // namespace

bool ImpressorasPresentes() {
    return !Lida().Impressoras.isEmpty();
}

QStringList NomesImpressoras() {
    QStringList Nomes;
    for (const TImpressora& Impressora : Lida().Impressoras) {
        Nomes.append(Impressora.Nome);
    }
    return Nomes;
}

int IndiceAtual() {
    return Lida().Atual;
}

int SelecionaImpressora(int Indice) {
    TEstado& Lista = Lida();
    const int Anterior = Lista.Atual;
    if (Indice >= 0 && Indice < Lista.Impressoras.size()) {
        Lista.Atual = Indice;
    }
    return Anterior;
}

void Reinicia() {
    Le();
}

bool ConfiguracaoPadrao(TPrinterInfo& Info) {
    const TEstado& Lista = Lida();
    if (Lista.Atual < 0) {
        return false;
    }
    const TImpressora& Atual = Lista.Impressoras[Lista.Atual];
    Info.Device = Atual.Nome;
    Info.Driver = Atual.Driver;
    Info.Port = Atual.Porta;
    Info.DeviceMode = static_cast<quintptr>(Lista.Atual) + 1;
    return true;
}

} // namespace ListaImpressoras
