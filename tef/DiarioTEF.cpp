#include "DiarioTEF.h"

#include "RegistroImpressao.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
// By name: the filter runs while the category itself is being made. Off
// by default; the running log turns it on.
constexpr char NomeCategoria[] = "tefkimbro.tef.diario";
} // namespace

Q_LOGGING_CATEGORY(lcDiarioTEF, NomeCategoria, QtWarningMsg)

namespace DiarioTEF {
namespace {

const QString PrefixoArquivo = QStringLiteral("tef-");
const QString SufixoArquivo = QStringLiteral(".log");

struct TEstado {
    QMutex Trava;
    QString Pasta; // empty: not started
    QString Falha;
    QtMessageHandler Anterior = nullptr;
    QLoggingCategory::CategoryFilter FiltroAnterior = nullptr;
};

TEstado& Estado() {
    static TEstado Unico;
    return Unico;
}

// The daily log is on whatever QT_LOGGING_RULES says.
void Filtro(QLoggingCategory* Categoria) {
    if (Estado().FiltroAnterior != nullptr) {
        Estado().FiltroAnterior(Categoria);
    }
    if (qstrcmp(Categoria->categoryName(), NomeCategoria) == 0) {
        Categoria->setEnabled(QtInfoMsg, true);
    }
}

// Appends the line; empty when it was written, else the system's reason (a
// full disk, a read-only folder).
QString Acrescenta(const QString& Caminho, const QByteArray& Linha) {
    const int Arquivo = ::open(QFile::encodeName(Caminho).constData(),
                               O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (Arquivo < 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    QString Erro;
    for (qsizetype Feito = 0; Feito < Linha.size();) {
        const ssize_t N = ::write(Arquivo, Linha.constData() + Feito,
                                  static_cast<std::size_t>(Linha.size() - Feito));
        if (N < 0 && errno == EINTR) {
            continue;
        }
        if (N <= 0) {
            Erro = QString::fromLocal8Bit(std::strerror(N < 0 ? errno : EIO));
            break;
        }
        Feito += N;
    }
    ::close(Arquivo);
    return Erro;
}

void Grava(const QString& Mensagem) {
    TEstado& E = Estado();
    const QMutexLocker Travado(&E.Trava);
    if (E.Pasta.isEmpty()) {
        return;
    }
    const QDateTime Agora = QDateTime::currentDateTime();
    const QString Caminho = E.Pasta + u'/' + PrefixoArquivo +
                            Agora.toString(QStringLiteral("yyyyMMdd")) + SufixoArquivo;
    const QByteArray Linha =
        (Agora.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz ")) + Mascara(Mensagem) + u'\n')
            .toUtf8();
    const QString Erro = Acrescenta(Caminho, Linha);
    if (!Erro.isEmpty() && E.Falha.isEmpty()) {
        E.Falha = QStringLiteral("Não foi possível gravar o log TEF em %1: %2").arg(Caminho, Erro);
    }
}

void Tratador(QtMsgType Tipo, const QMessageLogContext& Contexto, const QString& Mensagem) {
    if (Contexto.category != nullptr && qstrcmp(Contexto.category, NomeCategoria) == 0) {
        Grava(Mensagem);
        return;
    }
    // Why a receipt did not print belongs with the payment it failed; the
    // console gets it too.
    if (Contexto.category != nullptr &&
        qstrcmp(Contexto.category, lcImpressao().categoryName()) == 0) {
        Grava(Mensagem);
    }
    if (Estado().Anterior != nullptr) {
        Estado().Anterior(Tipo, Contexto, Mensagem);
    }
}

void RemoveAntigos(const QDir& Log, int DiasRetencao) {
    const QDate Limite = QDate::currentDate().addDays(-DiasRetencao);
    for (const QString& Nome :
         Log.entryList({PrefixoArquivo + u'*' + SufixoArquivo}, QDir::Files)) {
        const QDate Dia =
            QDate::fromString(Nome.mid(PrefixoArquivo.size(), 8), QStringLiteral("yyyyMMdd"));
        if (Dia.isValid() && Dia < Limite) {
            QFile::remove(Log.filePath(Nome));
        }
    }
}

} // namespace

void Inicia(const QDir& Pasta, int DiasRetencao) {
    TEstado& E = Estado();
    const QString Log = Pasta.filePath(QStringLiteral("log"));
    if (!QDir().mkpath(Log)) {
        E.Falha = QStringLiteral("Não foi possível criar a pasta do log TEF %1.").arg(Log);
    }
    RemoveAntigos(QDir(Log), std::max(DiasRetencao, 0));
    {
        const QMutexLocker Travado(&E.Trava);
        E.Pasta = Log;
    }
    if (E.Anterior == nullptr) {
        E.Anterior = qInstallMessageHandler(Tratador);
        E.FiltroAnterior = QLoggingCategory::installFilter(Filtro);
    }
}

void Encerra() {
    TEstado& E = Estado();
    if (E.Anterior != nullptr) {
        qInstallMessageHandler(E.Anterior);
        QLoggingCategory::installFilter(E.FiltroAnterior);
        E.Anterior = nullptr;
        E.FiltroAnterior = nullptr;
    }
    const QMutexLocker Travado(&E.Trava);
    E.Pasta.clear();
    E.Falha.clear();
}

QString Falha() {
    TEstado& E = Estado();
    const QMutexLocker Travado(&E.Trava);
    return E.Falha;
}

QString Mascara(const QString& Texto) {
    static const QRegularExpression Cartao(QStringLiteral("(?<!\\d)\\d{13,19}(?!\\d)"));
    QString Resultado = Texto;
    QRegularExpressionMatchIterator Achados = Cartao.globalMatch(Texto);
    while (Achados.hasNext()) {
        const QRegularExpressionMatch Achado = Achados.next();
        Resultado.replace(Achado.capturedStart(), Achado.capturedLength() - 4,
                          QString(Achado.capturedLength() - 4, u'*'));
    }
    return Resultado;
}

} // namespace DiarioTEF
