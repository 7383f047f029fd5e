#include "CapturaLog.h"

#include <QByteArray>
#include <QMutex>

namespace {

struct TEstado {
    QMutex Trava;
    QByteArray Categoria;
    QStringList Linhas;
    QtMessageHandler Anterior = nullptr;
};

TEstado& Estado() {
    static TEstado Unico;
    return Unico;
}

void Tratador(QtMsgType Tipo, const QMessageLogContext& Contexto, const QString& Mensagem) {
    TEstado& E = Estado();
    if (Contexto.category != nullptr && E.Categoria == Contexto.category) {
        const QMutexLocker Travado(&E.Trava);
        E.Linhas.append(Mensagem);
    }
    if (E.Anterior != nullptr) {
        E.Anterior(Tipo, Contexto, Mensagem);
    }
}

} // namespace

TCapturaLog::TCapturaLog(const char* Categoria) {
    TEstado& E = Estado();
    E.Categoria = Categoria;
    E.Linhas.clear();
    E.Anterior = qInstallMessageHandler(Tratador);
}

TCapturaLog::~TCapturaLog() {
    qInstallMessageHandler(Estado().Anterior);
    Estado().Categoria.clear();
}

QStringList TCapturaLog::Linhas() const {
    TEstado& E = Estado();
    const QMutexLocker Travado(&E.Trava);
    return E.Linhas;
}

QStringList TCapturaLog::Com(const QStringList& Trechos) const {
    QStringList Encontradas;
    for (const QString& Linha : Linhas()) {
        if (std::all_of(Trechos.begin(), Trechos.end(),
                        [&Linha](const QString& Trecho) { return Linha.contains(Trecho); })) {
            Encontradas.append(Linha);
        }
    }
    return Encontradas;
}
