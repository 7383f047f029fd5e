#include "LinhaDeComando.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

// A parser of its own rather than QCommandLineParser, whose errors are
// English: the cashier reads Portuguese everywhere.
TOpcoes LeOpcoes(const QStringList& Argumentos) {
    const QString Pasta = QStringLiteral("--pasta");
    TOpcoes Opcoes;
    for (qsizetype I = 1; I < Argumentos.size() && Opcoes.Erro.isEmpty(); ++I) {
        const QString& Argumento = Argumentos[I];
        if (Argumento == u"-h" || Argumento == u"--help") {
            Opcoes.Ajuda = true;
        } else if (Argumento == u"-v" || Argumento == u"--version") {
            Opcoes.Versao = true;
        } else if (Argumento == u"--pasta-usuario") {
            Opcoes.PastaUsuario = true;
        } else if (Argumento == Pasta || Argumento.startsWith(Pasta + u'=')) {
            Opcoes.Pasta =
                Argumento == Pasta ? Argumentos.value(++I) : Argumento.mid(Pasta.size() + 1);
            if (Opcoes.Pasta.isEmpty()) {
                Opcoes.Erro = QStringLiteral("Falta o nome da pasta depois de --pasta.");
            }
        } else if (Argumento.startsWith(u'-')) {
            Opcoes.Erro = QStringLiteral("Opção desconhecida: %1.").arg(Argumento);
        } else {
            Opcoes.Erro = QStringLiteral("Argumento desconhecido: %1.").arg(Argumento);
        }
    }
    return Opcoes;
}

QString TextoAjuda() {
    return QStringLiteral(
               "Uso: tefkimbro [opções]\n"
               "TefKimbro: a estação de pagamento com cartão (TEF) do caixa.\n\n"
               "  -h, --help           Mostra esta ajuda.\n"
               "  -v, --version        Mostra a versão.\n"
               "  --pasta PASTA        Usa PASTA como pasta de trabalho (criada se faltar).\n"
               "  --pasta-usuario      Usa a pasta de dados do usuário (o padrão).\n\n"
               "Pasta de trabalho: iniciada pelo menu ou por um terminal, a estação guarda\n"
               "seus arquivos (tefkimbro.db, o registro de transações; tef_sequencia.ini,\n"
               "CUPOM.TXT, Tef.txt, DadosTef.txt, o log TEF diário em log/) na pasta de\n"
               "dados do usuário, %1 (modo 0700), a menos que --pasta indique outra.\n"
               "A configuração fica em %2.\n"
               "A biblioteca SiTef, libclisitef.so, é procurada nas pastas de bibliotecas\n"
               "do sistema (ldconfig) e em LD_LIBRARY_PATH.\n\n"
               "Códigos de saída: 0 encerrada pelo operador; 1 pasta de trabalho ou textos\n"
               "inutilizáveis; 2 sem tela gráfica; 3 outra estação já usa a pasta; 4 a trava\n"
               "da pasta (tefkimbro.lock) não pôde ser aberta; 64 opção inválida.\n")
        .arg(PastaDoUsuario(),
             QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                 .filePath(QStringLiteral("Tef_kimbro.Ini")));
}

QString TextoVersao() {
    return QStringLiteral("TefKimbro %1\n").arg(QStringLiteral(TK_VERSAO));
}

QString PastaDoUsuario() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("tefkimbro"));
}

QString EntraNaPastaDeTrabalho(const TOpcoes& Opcoes) {
    const bool DoUsuario = Opcoes.PastaUsuario || Opcoes.Pasta.isEmpty();
    const QString Pasta = DoUsuario ? PastaDoUsuario() : Opcoes.Pasta;
    if (!QDir().mkpath(Pasta) ||
        (DoUsuario &&
         !QFile::setPermissions(Pasta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) ||
        !QDir::setCurrent(Pasta)) {
        return QStringLiteral("Não foi possível usar a pasta de trabalho %1.").arg(Pasta);
    }
    return QString();
}
