#include "DiarioTEF.h"

#include "RegistroImpressao.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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
constexpr qsizetype MinimoCartao = 12; // digits
constexpr qsizetype MaximoCartao = 19;
// The log tells what was sold to whom and when: its user's only.
constexpr mode_t ModoArquivo = 0600;
constexpr QFile::Permissions ModoPasta = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

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
                               O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, ModoArquivo);
    if (Arquivo < 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    // Whatever the umask, and a day file of an older version too: the
    // station's user only. A file it cannot tighten is still written.
    ::fchmod(Arquivo, ModoArquivo);
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
        (Agora.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz ")) + Mensagem + u'\n').toUtf8();
    const QString Erro = Acrescenta(Caminho, Linha);
    if (!Erro.isEmpty() && E.Falha.isEmpty()) {
        E.Falha = QStringLiteral("Não foi possível gravar o log TEF em %1: %2").arg(Caminho, Erro);
    }
}

// Every line the process logs, of any category, passes the mask here: the
// day file and standard error (the debug categories, the shown messages).
void Tratador(QtMsgType Tipo, const QMessageLogContext& Contexto, const QString& Mensagem) {
    const QString Mascarada = Mascara(Mensagem);
    if (Contexto.category != nullptr && qstrcmp(Contexto.category, NomeCategoria) == 0) {
        Grava(Mascarada);
        return;
    }
    // Why a receipt did not print belongs with the payment it failed; the
    // console gets it too.
    if (Contexto.category != nullptr &&
        qstrcmp(Contexto.category, lcImpressao().categoryName()) == 0) {
        Grava(Mascarada);
    }
    if (Estado().Anterior != nullptr) {
        Estado().Anterior(Tipo, Contexto, Mascarada);
    }
}

// Older than the limit, and never one of the newest DiasRetencao files: a
// clock set years ahead for one start leaves the last days' logs.
void RemoveAntigos(const QDir& Log, int DiasRetencao) {
    const QDate Limite = QDate::currentDate().addDays(-DiasRetencao);
    QStringList Nomes = Log.entryList({PrefixoArquivo + u'*' + SufixoArquivo}, QDir::Files,
                                      QDir::Name | QDir::Reversed);
    Nomes.erase(Nomes.begin(), Nomes.begin() + std::min<qsizetype>(DiasRetencao, Nomes.size()));
    for (const QString& Nome : Nomes) {
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
    } else if (!QFile::setPermissions(Log, ModoPasta)) {
        E.Falha = QStringLiteral("Não foi possível restringir a pasta do log TEF %1 ao usuário.")
                      .arg(Log);
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
    // A run starts at a digit that no digit precedes, directly or across one
    // separator, and ends where no digit follows in the same way.
    static const QRegularExpression Sequencia(
        QStringLiteral("(?<!\\d)(?<!\\d[ .-])\\d(?:[ .-]?\\d){%1,}(?![ .-]?\\d)")
            .arg(MinimoCartao - 1));
    QString Resultado = Texto;
    QRegularExpressionMatchIterator Achados = Sequencia.globalMatch(Texto);
    while (Achados.hasNext()) {
        const QRegularExpressionMatch Achado = Achados.next();
        // Luhn over the digits from the right: a card number passes, while
        // NSUs, dates and file names mostly do not and stay readable.
        qsizetype Digitos = 0;
        int Soma = 0;
        for (qsizetype I = Achado.capturedEnd() - 1; I >= Achado.capturedStart(); --I) {
            if (Texto[I].isDigit()) {
                const int Valor = Texto[I].digitValue() * (Digitos++ % 2 == 1 ? 2 : 1);
                Soma += Valor > 9 ? Valor - 9 : Valor;
            }
        }
        // Past any card number's length: a card with more after it, or a key.
        if (Digitos <= MaximoCartao && Soma % 10 != 0) {
            continue;
        }
        qsizetype Visiveis = 4;
        for (qsizetype I = Achado.capturedEnd() - 1; I >= Achado.capturedStart(); --I) {
            if (Resultado[I].isDigit() && Visiveis-- <= 0) {
                Resultado[I] = u'*';
            }
        }
    }
    return Resultado;
}

} // namespace DiarioTEF
