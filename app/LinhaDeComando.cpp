#include "LinhaDeComando.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {

const QCommandLineOption OpcaoAjuda({QStringLiteral("h"), QStringLiteral("help")},
                                    QStringLiteral("Mostra esta ajuda."));
const QCommandLineOption OpcaoVersao({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Mostra a versão."));
const QCommandLineOption OpcaoPasta(QStringLiteral("pasta"),
                                    QStringLiteral("Usa PASTA como pasta de trabalho."),
                                    QStringLiteral("PASTA"));
const QCommandLineOption
    OpcaoPastaUsuario(QStringLiteral("pasta-usuario"),
                      QStringLiteral("Usa a pasta de dados do usuário (%1) como pasta de trabalho.")
                          .arg(QStringLiteral("$XDG_DATA_HOME/tefkimbro")));

} // namespace

TOpcoes LeOpcoes(const QStringList& Argumentos) {
    QCommandLineParser Leitor;
    Leitor.addOptions({OpcaoAjuda, OpcaoVersao, OpcaoPasta, OpcaoPastaUsuario});
    TOpcoes Opcoes;
    if (!Leitor.parse(Argumentos)) {
        Opcoes.Erro = Leitor.errorText();
        return Opcoes;
    }
    if (!Leitor.positionalArguments().isEmpty()) {
        Opcoes.Erro =
            QStringLiteral("Argumento desconhecido: %1.").arg(Leitor.positionalArguments().front());
    }
    Opcoes.Ajuda = Leitor.isSet(OpcaoAjuda);
    Opcoes.Versao = Leitor.isSet(OpcaoVersao);
    Opcoes.Pasta = Leitor.value(OpcaoPasta);
    Opcoes.PastaUsuario = Leitor.isSet(OpcaoPastaUsuario);
    return Opcoes;
}

QString TextoAjuda() {
    return QStringLiteral(
               "Uso: tefkimbro [opções]\n"
               "TefKimbro: a estação de pagamento com cartão (TEF) do caixa.\n\n"
               "  -h, --help           Mostra esta ajuda.\n"
               "  -v, --version        Mostra a versão.\n"
               "  --pasta PASTA        Usa PASTA como pasta de trabalho.\n"
               "  --pasta-usuario      Usa a pasta de dados do usuário como pasta de trabalho\n"
               "                       (%1, criada com modo 0700).\n\n"
               "Pasta de trabalho: iniciada pelo menu da área de trabalho, a estação guarda\n"
               "seus arquivos (tefkimbro.db, o registro de transações; tef_sequencia.ini,\n"
               "CUPOM.TXT, Tef.txt, DadosTef.txt, o log TEF diário em log/) na pasta de\n"
               "dados do usuário; iniciada por um terminal ou script, na pasta atual, a menos\n"
               "que --pasta indique outra. A configuração fica em %2.\n\n"
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
    const QString Pasta = Opcoes.PastaUsuario ? PastaDoUsuario() : Opcoes.Pasta;
    if (Pasta.isEmpty()) {
        return QString();
    }
    if (!QDir().mkpath(Pasta) ||
        (Opcoes.PastaUsuario &&
         !QFile::setPermissions(Pasta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) ||
        !QDir::setCurrent(Pasta)) {
        return QStringLiteral("Não foi possível usar a pasta de trabalho %1.").arg(Pasta);
    }
    return QString();
}
