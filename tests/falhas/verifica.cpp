// After a run of killed stations: checks from the simulator's journal, the
// queue's jobs and the working files that no payment was lost, doubled or
// confirmed without its receipt, and that no working file was left torn.
// A decision may reach the library twice (the station died inside the
// finish call and sent it again at its next start), never two different
// ones; a document the station's own journal recorded as printed is never
// undone. Cancellations, reprints and administrative functions may be
// confirmed without their receipt: the station's rule confirms them when the receipt
// did not print (undoing a cancellation would charge the customer again).
// A transaction a kill left started is told to the cashier as interrupted
// by the start that ends it.
//   verifica_falhas DIARIO PASTA_DE_TRABALHO PASTA_DA_FILA ARQUIVO_DE_CONFIGURACAO
//                   [SAIDA_DA_ESTACAO LIVRO...]
// SAIDA_DA_ESTACAO: the station's standard error over the run (the
// "message shown:" lines); each LIVRO: a copy of the station's journal as a
// kill left it, in order. The journals are read once no station runs: one
// holds its own for its life.
#include "Diario.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

QStringList Violacoes;

void Viola(const QString& Texto) {
    Violacoes.append(Texto);
}

QString Texto(const QJsonObject& Linha, const char* Chave) {
    return Linha.value(QString::fromLatin1(Chave)).toString();
}

bool ConfirmadaSemCupom(int Funcao) {
    return Funcao == 110 || (Funcao >= 112 && Funcao <= 114) || Funcao == 123 || Funcao == 200;
}

// The library's pending list, asked at every start: no document of its own.
constexpr int ConsultaPendencias = 130;

QByteArray Le(const QString& Caminho) {
    QFile Arquivo(Caminho);
    return Arquivo.open(QIODevice::ReadOnly) ? Arquivo.readAll() : QByteArray();
}

// A working file is either absent or whole.
void VerificaArquivo(const QString& Caminho, const QRegularExpression& Inteiro, bool Obrigatorio) {
    if (!QFile::exists(Caminho)) {
        if (Obrigatorio) {
            Viola(QStringLiteral("%1 is missing").arg(Caminho));
        }
        return;
    }
    const QString Conteudo = QString::fromLatin1(Le(Caminho));
    if (!Inteiro.match(Conteudo).hasMatch()) {
        Viola(QStringLiteral("%1 is empty or torn: '%2'").arg(Caminho, Conteudo.left(80)));
    }
}

struct TLinhaLivro {
    QString Documento;
    QString Estado;
    bool Impresso = false;
};

// The rows of the station's journal: none when it is absent (not made
// yet), nothing when it cannot be opened.
std::optional<std::vector<TLinhaLivro>> LeLivro(const QString& Caminho) {
    std::optional<std::vector<TLinhaLivro>> Linhas;
    if (!QFile::exists(Caminho)) {
        return Linhas.emplace();
    }
    {
        QSqlDatabase Banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        Banco.setDatabaseName(Caminho);
        if (Banco.open()) {
            Linhas.emplace();
            QSqlQuery Consulta(
                QStringLiteral("SELECT documento, estado, impresso FROM lancamentos"), Banco);
            while (Consulta.next()) {
                Linhas->push_back({Consulta.value(0).toString(), Consulta.value(1).toString(),
                                   Consulta.value(2).toInt() != 0});
            }
        }
    }
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
    return Linhas;
}

bool Aberto(const TLinhaLivro& Linha) {
    return QStringList{QStringLiteral("iniciada"),     QStringLiteral("aprovada"),
                       QStringLiteral("imprimindo"),   QStringLiteral("impressa"),
                       QStringLiteral("nao_impressa"), QStringLiteral("decidida")}
        .contains(Linha.Estado);
}

// The station's journal after its last start: nothing left open, and no
// document it recorded as printed undone by the library.
void VerificaLivro(const QString& Caminho, const QMap<QString, int>& Desfeitas) {
    if (!QFile::exists(Caminho)) {
        return;
    }
    const std::optional<std::vector<TLinhaLivro>> Linhas = LeLivro(Caminho);
    if (!Linhas) {
        Viola(QStringLiteral("%1 cannot be opened").arg(Caminho));
        return;
    }
    for (const TLinhaLivro& Linha : *Linhas) {
        if (Aberto(Linha)) {
            Viola(QStringLiteral("document %1 left %2 in the journal")
                      .arg(Linha.Documento, Linha.Estado));
        }
        if (Linha.Impresso && Desfeitas.value(Linha.Documento) > 0) {
            Viola(QStringLiteral("document %1 printed but undone").arg(Linha.Documento));
        }
    }
}

// Whether a message shown to the cashier says the document was interrupted.
bool ContouInterrompida(const QStringList& Mensagens, const QString& Documento) {
    // The log writes the message's line breaks as "\n".
    const QRegularExpression Nome(
        QStringLiteral("Documento: %1(\\\\n|$)").arg(QRegularExpression::escape(Documento)));
    return std::any_of(Mensagens.begin(), Mensagens.end(), [&](const QString& Mensagem) {
        return Mensagem.contains(QStringLiteral("Transação TEF interrompida")) &&
               Nome.match(Mensagem).hasMatch();
    });
}

// A transaction started when a kill struck and no longer open in the next
// journal was ended by the start in between, which must have told the
// cashier. Livros: the journal as each kill left it, then as the run ended.
// Returns how many documents kills left started.
int VerificaInterrompidas(const QStringList& Livros, const QString& SaidaEstacao) {
    QStringList Mensagens;
    for (const QString& Linha : QString::fromUtf8(Le(SaidaEstacao)).split(u'\n')) {
        if (Linha.contains(QLatin1String("message shown: "))) {
            Mensagens.append(Linha);
        }
    }
    QSet<QString> Iniciadas, Todas;
    for (const QString& Caminho : Livros) {
        const std::optional<std::vector<TLinhaLivro>> Linhas = LeLivro(Caminho);
        if (!Linhas) {
            Viola(QStringLiteral("%1 cannot be opened").arg(Caminho));
            continue;
        }
        QSet<QString> Abertos, Agora;
        for (const TLinhaLivro& Linha : *Linhas) {
            if (Aberto(Linha)) {
                Abertos.insert(Linha.Documento);
            }
            if (Linha.Estado == QStringLiteral("iniciada")) {
                Agora.insert(Linha.Documento);
            }
        }
        for (const QString& Documento : Iniciadas) {
            if (!Abertos.contains(Documento) && !ContouInterrompida(Mensagens, Documento)) {
                Viola(QStringLiteral("document %1 left started by a kill, ended untold")
                          .arg(Documento));
            }
        }
        Iniciadas = Agora;
        Todas += Agora;
    }
    return static_cast<int>(Todas.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5 || argc == 6) {
        std::fprintf(stderr, "usage: verifica_falhas DIARIO PASTA FILA CONFIGURACAO "
                             "[SAIDA_DA_ESTACAO LIVRO...]\n");
        return 2;
    }
    const QList<QJsonObject> Diario = LeDiario(QString::fromLocal8Bit(argv[1]));
    const QDir Pasta(QString::fromLocal8Bit(argv[2]));
    const QDir Fila(QString::fromLocal8Bit(argv[3]));

    // The journal in order: each function's lines follow its start.
    QSet<QString> Cupons, Aprovadas;
    QMap<QString, int> Confirmacoes, Desfeitas, Funcoes;
    QString Atual;
    bool Comprovante = false;
    int Inicios = 0;
    for (const QJsonObject& Linha : Diario) {
        const QString Chamada = Texto(Linha, "chamada");
        if (Chamada == QStringLiteral("IniciaFuncaoSiTefInterativo")) {
            Atual = Texto(Linha, "cupom");
            Comprovante = false;
            if (Linha.value(QStringLiteral("funcao")).toInt() == ConsultaPendencias) {
                continue;
            }
            ++Inicios;
            if (Cupons.contains(Atual)) {
                Viola(QStringLiteral("document number %1 used twice").arg(Atual));
            }
            Cupons.insert(Atual);
            Funcoes[Atual] = Linha.value(QStringLiteral("funcao")).toInt();
        } else if (Chamada == QStringLiteral("ContinuaFuncaoSiTefInterativo")) {
            Comprovante = Comprovante || Linha.value(QStringLiteral("tipoCampo")).toInt() == 121;
            if (Linha.value(QStringLiteral("resultado")).toInt() == 0 && Comprovante) {
                Aprovadas.insert(Atual);
            }
        } else if (Chamada == QStringLiteral("FinalizaTransacaoSiTefInterativo")) {
            const QString Cupom = Texto(Linha, "cupom");
            if (Linha.value(QStringLiteral("confirma")).toInt() == 1) {
                ++Confirmacoes[Cupom];
            } else if (Confirmacoes.contains(Cupom)) {
                Viola(QStringLiteral("document %1 undone after it was confirmed").arg(Cupom));
            }
        } else if (Texto(Linha, "evento") == QStringLiteral("desfeita")) {
            ++Desfeitas[Texto(Linha, "cupom")];
        }
    }

    QByteArray Trabalhos;
    for (const QString& Nome : Fila.entryList({QStringLiteral("job-*.prn")}, QDir::Files)) {
        Trabalhos += Le(Fila.filePath(Nome));
    }
    for (const QString& Cupom : Aprovadas) {
        const int Confirmada = Confirmacoes.value(Cupom);
        const int Desfeita = Desfeitas.value(Cupom);
        if ((Confirmada > 0) == (Desfeita > 0) || Desfeita > 1) {
            Viola(QStringLiteral("document %1 confirmed %2 and undone %3 times")
                      .arg(Cupom)
                      .arg(Confirmada)
                      .arg(Desfeita));
        }
        // The demo's receipts carry "DOC: <number>".
        if (Confirmada > 0 && !ConfirmadaSemCupom(Funcoes.value(Cupom)) &&
            !QRegularExpression(QStringLiteral("DOC: %1[^0-9]").arg(Cupom))
                 .match(QString::fromLatin1(Trabalhos))
                 .hasMatch()) {
            Viola(QStringLiteral("document %1 confirmed but its receipt never reached the queue")
                      .arg(Cupom));
        }
    }
    for (auto Confirmada = Confirmacoes.cbegin(); Confirmada != Confirmacoes.cend(); ++Confirmada) {
        if (!Aprovadas.contains(Confirmada.key())) {
            Viola(QStringLiteral("document %1 confirmed but never approved").arg(Confirmada.key()));
        }
    }

    VerificaArquivo(Pasta.filePath(QStringLiteral("tef_sequencia.ini")),
                    QRegularExpression(QStringLiteral("^[0-9]+\\r\\n$")), true);
    VerificaArquivo(Pasta.filePath(QStringLiteral("CUPOM.TXT")),
                    QRegularExpression(QStringLiteral("DOC: [0-9]+[\\s\\S]*\\r\\n$")), false);
    const QString Livro = Pasta.filePath(QStringLiteral("tefkimbro.db"));
    VerificaLivro(Livro, Desfeitas);
    int Interrompidas = 0;
    if (argc > 6) {
        QStringList Livros;
        for (int I = 6; I < argc; ++I) {
            Livros.append(QString::fromLocal8Bit(argv[I]));
        }
        Interrompidas = VerificaInterrompidas(Livros << Livro, QString::fromLocal8Bit(argv[5]));
    }
    VerificaArquivo(QString::fromLocal8Bit(argv[4]),
                    QRegularExpression(QStringLiteral("HOST_SERVIDOR=127\\.0\\.0\\.1")), true);

    int Confirmadas = 0, Vendas = 0;
    for (const QString& Cupom : Aprovadas) {
        Confirmadas += Confirmacoes.value(Cupom) > 0;
        Vendas += Funcoes.value(Cupom) == 0;
    }
    for (const QString& Violacao : Violacoes) {
        std::printf("violation: %s\n", qPrintable(Violacao));
    }
    std::printf("starts %d, approved %lld (sales %d), confirmed %d, undone %lld, left started "
                "by a kill %d, violations %lld\n",
                Inicios, static_cast<long long>(Aprovadas.size()), Vendas, Confirmadas,
                static_cast<long long>(Aprovadas.size() - Confirmadas), Interrompidas,
                static_cast<long long>(Violacoes.size()));
    return Violacoes.isEmpty() ? 0 : 1;
}
