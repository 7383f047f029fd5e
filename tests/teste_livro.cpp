// The transaction journal: a station that dies at any state change, or
// inside the finish call, never has a confirmed document undone nor a
// printed receipt followed by an undo after its next start; a journal that
// refuses a write at any state ends the transaction by the rules.
#include "CicloTransacao.h"
#include "DiscoCheio.h"
#include "Erros.h"
#include "EstacaoRoteirizada.h"
#include "FuncoesSiTef.h"
#include "LinhaLancamento.h"
#include "Relogio.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace PassosRoteiro;
using Estado = TEstadoLancamento;

constexpr int Morreu = 9;
const QString ArquivoFinalizacoes = QStringLiteral("finalizacoes.txt");

enum class Finalizacao { Normal, Morre, Lanca };

// A station on a scripted library in its own folder; the operator prints
// to a file, or cancels the print dialog and declines the retry.
struct TEstacao : TEstacaoRoteirizada {
    explicit TEstacao(bool Imprime) {
        Interface.Confirma = Imprime;
        Interface.ImprimeEmArquivo(Pasta.Caminho(QStringLiteral("recibo.prn")));
        Operador.Respostas = {3};
        Biblioteca.Passos = {Campo(121, "VIA")};
    }
    bool Executa(std::int32_t Funcao) {
        return Modulo.ExecutaFuncaoTEF(Funcao, 999, QString(), Currency(), false);
    }
};

// Every finish call the library saw, in order, for document "1".
std::vector<std::int16_t> Decisoes(const TEstacao& E) {
    std::vector<std::int16_t> Vistas;
    QFile Arquivo(ArquivoFinalizacoes);
    if (Arquivo.open(QIODevice::ReadOnly)) {
        for (const QByteArray& Linha : Arquivo.readAll().split('\n')) {
            if (!Linha.isEmpty()) {
                Vistas.push_back(static_cast<std::int16_t>(Linha.toInt()));
            }
        }
    }
    for (const auto& F : E.Biblioteca.Finalizacoes) {
        Vistas.push_back(F.Confirma);
    }
    return Vistas;
}

// Whether another process takes the journal's file for writing. It tries
// once, as Debian's sqlite3 does: the station, waiting for its answer, would
// not let go in the five seconds Qt's driver waits by default.
bool OutroProcessoToma() {
    const pid_t Filho = ::fork();
    if (Filho == 0) {
        auto Outro = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("outro"));
        Outro.setDatabaseName(TLivroTransacoes::NomePadrao);
        Outro.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        ::_exit(Outro.open() && QSqlQuery(Outro).exec(QStringLiteral("BEGIN IMMEDIATE")) ? 0 : 1);
    }
    int Saida = 0;
    ::waitpid(Filho, &Saida, 0);
    return WIFEXITED(Saida) && WEXITSTATUS(Saida) == 0;
}

// Runs Comandos on the journal's file through a connection of its own; the
// first column of the last one's rows, a line each.
std::string NoArquivo(const QStringList& Comandos) {
    QStringList Lidos;
    {
        auto Banco = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mao"));
        Banco.setDatabaseName(TLivroTransacoes::NomePadrao);
        EXPECT_TRUE(Banco.open());
        QSqlQuery Consulta(Banco);
        for (const QString& Comando : Comandos) {
            EXPECT_TRUE(Consulta.exec(Comando)) << qPrintable(Comando);
        }
        while (Consulta.next()) {
            Lidos.append(Consulta.value(0).toString());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mao"));
    return Lidos.join(u'\n').toStdString();
}

// The columns a file of the journal's first version lacks.
const QStringList AusentesNaVersao0 = {"rede_autorizadora", "bandeira",        "nsu_sitef",
                                       "nsu_host",          "valor_informado", "com_comprovante"};

} // namespace

// Every field of a row reaches the file and comes back through every reader,
// and the file holds the columns and the day's index the column table names:
// a new file; one that an earlier version left, made here by taking from a
// new one what that version lacked; and one that lacks the table's last
// column, as a column added to the table finds the files at the counter.
// Each ends as a new file does, its earlier row kept.
TEST(LivroTransacoes, CadaCampoVoltaPorCadaLeituraEmArquivosDeCadaVersao) {
    QStringList Tabela, NoDia;
    std::map<int, QString> PorPosicao;
    for (const TColunaLancamento& Coluna : ColunasLancamento()) {
        Tabela.append(QString::fromLatin1(Coluna.Nome));
        if (Coluna.NoDia > 0) {
            PorPosicao[Coluna.NoDia] = Tabela.back();
        }
    }
    for (const auto& [Posicao, Nome] : PorPosicao) {
        NoDia.append(Nome);
    }
    const struct {
        int Versao;
        QStringList Ausentes;
        QString Indice; // the one the earlier file had
    } Casos[] = {
        {2, {}, {}},
        {2, {Tabela.back()}, "lancamentos_dia ON lancamentos (data, id, funcao)"},
        {1, {"com_comprovante"}, "lancamentos_data ON lancamentos (data)"},
        {0, AusentesNaVersao0, {}},
    };
    const QString Esquema = QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name");
    std::string EsquemaNovo;
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(testing::Message()
                     << Caso.Versao << ' ' << qPrintable(Caso.Ausentes.join(u' ')));
        TPastaDeTrabalho Pasta;
        int Segundo = 0;
        Relogio::Define(
            [&Segundo] { return QDateTime(QDate(2026, 12, 8), QTime(10, 0, Segundo++)); });
        TLancamentoTEF Antigo;
        Antigo.Documento = QStringLiteral("40");
        Antigo.Data = QStringLiteral("20261208");
        Antigo.Comprovante = QStringLiteral("VIA 40");
        {
            TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
            Livro.Inicia(Antigo);
            ASSERT_TRUE(Livro.Registra(Antigo, Estado::Finalizada));
        }
        if (!Caso.Ausentes.isEmpty()) {
            QStringList Volta = {QStringLiteral("DROP INDEX lancamentos_dia")};
            for (const QString& Coluna : Caso.Ausentes) {
                Volta.append(QStringLiteral("ALTER TABLE lancamentos DROP COLUMN ") + Coluna);
            }
            if (!Caso.Indice.isEmpty()) {
                Volta.append(QStringLiteral("CREATE INDEX ") + Caso.Indice);
            }
            NoArquivo(Volta << QStringLiteral("PRAGMA user_version = %1").arg(Caso.Versao));
        }
        TLancamentoTEF L{.Funcao = 115,
                         .Documento = QStringLiteral("41"),
                         .Valor = QStringLiteral("1,23"),
                         .Data = QStringLiteral("20261208"),
                         .Hora = QStringLiteral("101530"),
                         .Operador = QStringLiteral("999"),
                         .Restricoes = QStringLiteral("[10]"),
                         .Resultado = 7,
                         .Comprovante = QStringLiteral("VIA DO CLIENTE"),
                         .DadosTransacao = QStringLiteral("dados 105"),
                         .DataHoraTransacao = QStringLiteral("20261208101531"),
                         .Impresso = true,
                         .Confirma = false,
                         .Motivo = QStringLiteral("motivo"),
                         .Momentos = {{{}, "m1", "m2", {}, "m4", "m5"}}, // the others, the clock's
                         .ChamadaFinaliza = QStringLiteral("chamada"),
                         .Autorizacao = {"00005", "00001", "123", "456"},
                         .ValorInformado = QStringLiteral("9,99")};
        {
            TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
            Livro.Inicia(L);
            ASSERT_TRUE(Livro.Registra(L, Estado::Impressa));
        }
        {
            TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
            const std::vector<TLancamentoTEF> Todos = Livro.Todos();
            ASSERT_EQ(Todos.size(), 2u);
            EXPECT_EQ(Todos[0].Comprovante, Antigo.Comprovante);
            EXPECT_EQ(Todos[1], L);
            EXPECT_EQ(Livro.Abertos(), std::vector{L});
            EXPECT_EQ(Livro.DoDocumento(L.Documento, L.Data), std::vector{L});
            EXPECT_EQ(Livro.ComprovanteDe(L.Id), L.Comprovante);
            // The day's summary is the row less what its index does not carry.
            TResumoLancamento Resumido{L, true};
            for (const TColunaLancamento& Coluna : ColunasLancamento()) {
                if (Coluna.NoDia == 0) {
                    Coluna.Le(Resumido, Coluna.Grava(TLancamentoTEF()));
                }
            }
            const std::vector<TResumoLancamento> Dia = Livro.DoDia(QDate(2026, 12, 8));
            ASSERT_EQ(Dia.size(), 2u);
            EXPECT_TRUE(Dia[0].ComComprovante);
            EXPECT_EQ(Dia[1].Lancamento, Resumido.Lancamento);
            EXPECT_TRUE(Dia[1].ComComprovante);
        }
        Relogio::Define({});
        EXPECT_EQ(NoArquivo({QStringLiteral("SELECT name FROM pragma_table_info('lancamentos')")}),
                  Tabela.join(u'\n').toStdString());
        EXPECT_EQ(NoArquivo({QStringLiteral(
                      "SELECT name FROM pragma_index_info('lancamentos_dia') ORDER BY seqno")}),
                  NoDia.join(u'\n').toStdString());
        EXPECT_EQ(NoArquivo({QStringLiteral("PRAGMA user_version")}), "2");
        if (EsquemaNovo.empty()) {
            EsquemaNovo = NoArquivo({Esquema});
        }
        EXPECT_EQ(NoArquivo({Esquema}), EsquemaNovo);
    }
}

// SQLite's names know no case: a column a hand spelled in capitals is the
// table's own, not one to add, and at the next open the file is up to date
// (its schema not written again).
TEST(LivroTransacoes, ColunaEmMaiusculasEDaTabela) {
    TPastaDeTrabalho Pasta;
    TLancamentoTEF L;
    L.Documento = QStringLiteral("41");
    L.Autorizacao.Bandeira = QStringLiteral("00001");
    TLivroTransacoes(TLivroTransacoes::NomePadrao).Inicia(L);
    NoArquivo({QStringLiteral("ALTER TABLE lancamentos RENAME COLUMN bandeira TO BANDEIRA")});
    std::string Esquema;
    for (int Abertura = 0; Abertura < 2; ++Abertura) {
        EXPECT_EQ(TLivroTransacoes(TLivroTransacoes::NomePadrao).Abertos(), std::vector{L});
        const std::string Versao = NoArquivo({QStringLiteral("PRAGMA schema_version")});
        EXPECT_TRUE(Abertura == 0 || Versao == Esquema);
        Esquema = Versao;
    }
}

TEST(LivroTransacoes, MorteEmCadaEstadoRepeteADecisaoSemDesfazerOConfirmado) {
    const struct {
        std::int32_t Funcao;
        bool Imprime;
        std::optional<Estado> MorreAntesDe;
        Finalizacao NaFinalizacao;
        std::optional<std::int16_t> Decisao; // what the library ends up with
    } Casos[] = {
        {FuncaoSiTef::PreAutorizacao, true, Estado::Iniciada, Finalizacao::Normal, {}},
        {FuncaoSiTef::PreAutorizacao, true, Estado::Aprovada, Finalizacao::Normal, 0},
        {FuncaoSiTef::PreAutorizacao, true, Estado::Imprimindo, Finalizacao::Normal, 0},
        {FuncaoSiTef::PreAutorizacao, true, Estado::Impressa, Finalizacao::Normal, 0},
        {FuncaoSiTef::PreAutorizacao, true, Estado::Decidida, Finalizacao::Normal, 1},
        {FuncaoSiTef::PreAutorizacao, true, Estado::Finalizada, Finalizacao::Normal, 1},
        {FuncaoSiTef::PreAutorizacao, true, {}, Finalizacao::Morre, 1},
        {FuncaoSiTef::PreAutorizacao, true, {}, Finalizacao::Lanca, 1},
        {FuncaoSiTef::PreAutorizacao, true, {}, Finalizacao::Normal, 1},
        {FuncaoSiTef::PreAutorizacao, false, Estado::NaoImpressa, Finalizacao::Normal, 0},
        {FuncaoSiTef::PreAutorizacao, false, Estado::Decidida, Finalizacao::Normal, 0},
        {FuncaoSiTef::PreAutorizacao, false, {}, Finalizacao::Morre, 0},
        {FuncaoSiTef::Cancelamento, true, Estado::Imprimindo, Finalizacao::Normal, 1},
        {FuncaoSiTef::Cancelamento, false, Estado::Decidida, Finalizacao::Normal, 1},
        {FuncaoSiTef::Cancelamento, false, {}, Finalizacao::Morre, 1},
        {FuncaoSiTef::CancelamentoPix, false, Estado::Decidida, Finalizacao::Normal, 1},
        {FuncaoSiTef::ReimpressaoEscolhida, false, Estado::Decidida, Finalizacao::Normal, 1},
        {FuncaoSiTef::ReimpressaoUltimoCupom, false, Estado::Decidida, Finalizacao::Normal, 1},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(testing::Message()
                     << Caso.Funcao << " imprime " << Caso.Imprime << " morre antes de "
                     << (Caso.MorreAntesDe ? static_cast<int>(*Caso.MorreAntesDe) : -1)
                     << " finalizacao " << static_cast<int>(Caso.NaFinalizacao));
        TEstacao E(Caso.Imprime);
        const auto Anterior = [&] {
            TLivroTransacoes::DefineGanchoAntesDeGravar([&](Estado Gravando) {
                if (Gravando == Caso.MorreAntesDe) {
                    ::_exit(Morreu);
                }
            });
            E.Biblioteca.AoFinalizar = [&](const TBibliotecaRoteirizada::Finalizacao& F) {
                QFile Arquivo(ArquivoFinalizacoes);
                Arquivo.open(QIODevice::Append);
                Arquivo.write(QByteArray::number(F.Confirma) + '\n');
                Arquivo.close();
                if (Caso.NaFinalizacao == Finalizacao::Morre) {
                    ::_exit(Morreu);
                }
                if (Caso.NaFinalizacao == Finalizacao::Lanca) {
                    throw std::runtime_error("finalização interrompida");
                }
            };
            try {
                E.Executa(Caso.Funcao);
            } catch (const std::exception&) {
            }
            ::_exit(Morreu); // the station stops here, whatever happened
        };
        EXPECT_EXIT(Anterior(), testing::ExitedWithCode(Morreu), "");

        // The next start resolves what the dead station left.
        ResolvePendencias(E.Ambiente);
        EXPECT_TRUE(E.Livro.Abertos().empty());
        const std::vector<std::int16_t> Vistas = Decisoes(E);
        // One decision per document, sent again only as it was.
        for (const std::int16_t Vista : Vistas) {
            EXPECT_EQ(Vista, Vistas.front());
        }
        EXPECT_EQ(Vistas.empty() ? std::nullopt : std::optional(Vistas.front()), Caso.Decisao);
        const std::vector<TLancamentoTEF> Todos = E.Livro.Todos();
        ASSERT_EQ(Todos.size(), Caso.MorreAntesDe == Estado::Iniciada ? 0u : 1u);
        for (const TLancamentoTEF& Lancamento : Todos) {
            if (Lancamento.Impresso) {
                EXPECT_EQ(Lancamento.Confirma, std::optional(true));
            }
        }
    }
}

TEST(LivroTransacoes, RegistroQueNaoSeGravaEncerraPelasRegras) {
    const struct {
        Estado FalhaEm;
        bool Iniciou;
        bool Imprimiu;
        std::int16_t Decisao;
        const char* Mensagem;
    } Casos[] = {
        {Estado::Aprovada, true, false, 0, "Transação TEF desfeita, nada foi impresso"},
        {Estado::Imprimindo, true, false, 0, "Transação TEF desfeita, nada foi impresso"},
        {Estado::Impressa, true, true, 1, "Transação TEF confirmada (documento 1), mas"},
        {Estado::Decidida, true, true, 1, "Transação TEF confirmada (documento 1), mas"},
        {Estado::Finalizada, true, true, 1, "Transação TEF confirmada (documento 1), mas"},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(static_cast<int>(Caso.FalhaEm));
        TEstacao E(true);
        TLivroTransacoes::DefineGanchoAntesDeGravar([&](Estado Gravando) {
            if (Gravando == Caso.FalhaEm) {
                EncheDisco(true);
            }
        });
        E.Executa(FuncaoSiTef::PreAutorizacao);
        TLivroTransacoes::DefineGanchoAntesDeGravar({});
        EXPECT_EQ(E.Interface.Eventos.filter(QStringLiteral("dialogo")).size(),
                  Caso.Imprimiu ? 1 : 0);
        ASSERT_EQ(E.Biblioteca.Finalizacoes.size(), 1u);
        EXPECT_EQ(E.Biblioteca.Finalizacoes[0].Confirma, Caso.Decisao);
        EXPECT_EQ(E.Operador.Conta(QStringLiteral("mensagem Atenção|") +
                                   QString::fromUtf8(Caso.Mensagem)),
                  1);
        // Nothing new starts until the journal takes the held state again.
        EXPECT_FALSE(E.Livro.Falha().isEmpty());
        EXPECT_THROW(E.Livro.ExigeLivre(), EErroGravacao);
        EncheDisco(false);
        // Read back before it is written, the journal gives the held state:
        // in the day's movement and in a receipt's copy too.
        const TLancamentoTEF Retido = E.Livro.Todos().back();
        EXPECT_EQ(Retido.Estado, Estado::Finalizada);
        EXPECT_FALSE(Retido.Comprovante.isEmpty());
        const std::vector<TResumoLancamento> Dia =
            E.Livro.DoDia(QDate::fromString(Retido.Data, QStringLiteral("yyyyMMdd")));
        ASSERT_EQ(Dia.size(), 1u);
        EXPECT_EQ(Dia[0].Lancamento.Estado, Estado::Finalizada);
        EXPECT_TRUE(Dia[0].ComComprovante);
        EXPECT_EQ(E.Livro.ComprovanteDe(Retido.Id), Retido.Comprovante);
        EXPECT_NO_THROW(E.Livro.ExigeLivre());
        EXPECT_TRUE(E.Livro.Falha().isEmpty());
        EXPECT_EQ(E.Livro.Todos().back().Estado, Estado::Finalizada);
    }
    // Refused before the start call: nothing happened at the library.
    TEstacao E(true);
    TLivroTransacoes::DefineGanchoAntesDeGravar([](Estado) { EncheDisco(true); });
    EXPECT_THROW(E.Executa(FuncaoSiTef::PreAutorizacao), EErroGravacao);
    TLivroTransacoes::DefineGanchoAntesDeGravar({});
    EncheDisco(false);
    EXPECT_TRUE(E.Biblioteca.Inicios.empty());
}

TEST(LivroTransacoes, ArquivoDanificadoGuardadoEPendenciaAntigaImportada) {
    TPastaDeTrabalho Pasta;
    Pasta.Grava(TLivroTransacoes::NomePadrao, QByteArray(8192, 'x'));
    Pasta.Grava(QStringLiteral("tef_pendente.txt"), "115\r\n41\r\n20261208\r\n101530\r\n");
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    EXPECT_TRUE(Livro.Aviso().startsWith(QStringLiteral("O registro de transações estava")));
    const QStringList Guardados = Pasta.Arquivos().filter(QStringLiteral(".danificado-"));
    ASSERT_EQ(Guardados.size(), 1);
    EXPECT_EQ(Pasta.Le(Guardados.front()), QByteArray(8192, 'x'));
    EXPECT_FALSE(QFile::exists(QStringLiteral("tef_pendente.txt")));
    EXPECT_EQ(QFile::permissions(TLivroTransacoes::NomePadrao) & 0x0077, QFile::Permissions());
    const std::vector<TLancamentoTEF> Abertos = Livro.Abertos();
    ASSERT_EQ(Abertos.size(), 1u);
    EXPECT_EQ(Abertos[0].Estado, Estado::Aprovada);
    EXPECT_EQ(Abertos[0].Funcao, 115);
    EXPECT_EQ(Abertos[0].Documento, QStringLiteral("41"));
    EXPECT_EQ(Abertos[0].DataHoraTransacao, QStringLiteral("20261208101530"));
    // Nothing new starts while it is open, and the cashier reads which one.
    try {
        Livro.ExigeLivre();
        ADD_FAILURE() << "a transaction started while document 41 was open";
    } catch (const EErro& Erro) {
        EXPECT_TRUE(Erro.Mensagem().contains(QStringLiteral("(documento 41)")));
        EXPECT_TRUE(Erro.Mensagem().contains(QStringLiteral("\"Iniciar TEF\"")));
    }
}

// A journal that refuses a state (a full disk), or another program that
// tries to take the file, then the station's death and its restart, the
// library saying what it still holds pending (its list, or its count per
// document): a document the library concluded is never undone nor told as
// not done, and a transaction stopped during the dialogue is undone once
// and told.
TEST(LivroTransacoes, GravacaoRecusadaMorteEReinicioSeguemOQueABibliotecaTemPendente) {
    enum class Recusa { Cheio, OutroPrograma, MorteNaAprovacao };
    const struct {
        Recusa Como;
        Estado Em;
        bool Imprime = true;
    } Casos[] = {
        {Recusa::OutroPrograma, Estado::Impressa},  {Recusa::Cheio, Estado::Aprovada},
        {Recusa::Cheio, Estado::Imprimindo},        {Recusa::Cheio, Estado::Impressa},
        {Recusa::Cheio, Estado::Decidida},          {Recusa::Cheio, Estado::Finalizada},
        {Recusa::Cheio, Estado::Finalizada, false}, {Recusa::MorteNaAprovacao, Estado::Iniciada},
    };
    for (const auto& Caso : Casos) {
        for (const bool PorLista : {true, false}) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(Caso.Como) << " em "
                                            << static_cast<int>(Caso.Em) << " lista " << PorLista);
            TEstacao E(Caso.Imprime);
            E.Biblioteca.Passos = {Comando(3, " TRANSACAO APROVADA"), Campo(121, "VIA")};
            const auto Anterior = [&] {
                bool Cheio = false;
                TLivroTransacoes::DefineGanchoAntesDeGravar([&](Estado Gravando) {
                    if (Gravando == Caso.Em && Caso.Como == Recusa::Cheio) {
                        EncheDisco(Cheio = true);
                    }
                    if (Gravando == Caso.Em && Caso.Como == Recusa::OutroPrograma &&
                        OutroProcessoToma()) {
                        ::_exit(Morreu + 1); // the other program took the file
                    }
                });
                E.Biblioteca.AoContinuar = [&] {
                    if (Caso.Como == Recusa::MorteNaAprovacao &&
                        E.Biblioteca.Continuacoes.size() == 2) {
                        ::_exit(Morreu); // "aprovada" on screen
                    }
                };
                E.Biblioteca.AoFinalizar = [&](const TBibliotecaRoteirizada::Finalizacao& F) {
                    EncheDisco(false);
                    QFile Arquivo(ArquivoFinalizacoes);
                    Arquivo.open(QIODevice::Append);
                    Arquivo.write(QByteArray::number(F.Confirma) + '\n');
                    Arquivo.close();
                    EncheDisco(Cheio);
                };
                try {
                    E.Executa(FuncaoSiTef::PreAutorizacao);
                } catch (const std::exception&) {
                }
                ::_exit(Morreu);
            };
            EXPECT_EXIT(Anterior(), testing::ExitedWithCode(Morreu), "");

            // The library holds it while nothing finished it; one stopped
            // during the dialogue may hold its approval too.
            const std::vector<std::int16_t> Antes = Decisoes(E);
            const bool Pendente = Antes.empty();
            const TLancamentoTEF NoArquivo = E.Livro.Todos().at(0);
            if (PorLista) {
                E.Biblioteca.Pendentes = std::vector<TPendenciaSiTef>();
                if (Pendente) {
                    E.Biblioteca.Pendentes->push_back({NoArquivo.Documento, NoArquivo.Data,
                                                       NoArquivo.Hora, QStringLiteral("777")});
                }
            } else {
                E.Biblioteca.QuantidadePendentes = Pendente ? 1 : -13;
            }
            const QStringList Mensagens = ResolvePendencias(E.Ambiente);
            const std::vector<std::int16_t> Vistas = Decisoes(E);
            EXPECT_TRUE(E.Livro.Abertos().empty());
            EXPECT_LE(E.Biblioteca.Finalizacoes.size(), 1u);
            for (size_t I = 1; I < Vistas.size(); ++I) {
                EXPECT_FALSE(Vistas[I - 1] == 1 && Vistas[I] == 0) << "undone after confirmed";
            }
            if (!Antes.empty()) {
                EXPECT_TRUE(Mensagens.filter(MensagemNaoEfetuada).isEmpty())
                    << qPrintable(Mensagens.join(u'|'));
            }
            if (NoArquivo.Estado == Estado::Iniciada) {
                ASSERT_EQ(E.Biblioteca.Finalizacoes.size(), 1u);
                EXPECT_EQ(E.Biblioteca.Finalizacoes[0].Confirma, 0);
                EXPECT_EQ(Mensagens.filter(QStringLiteral("interrompida")).size(), 1);
                // The host NSU the journal never got, from the library's list.
                EXPECT_EQ(Mensagens.filter(QStringLiteral("\nNSU: 777")).size(),
                          PorLista && Pendente ? 1 : 0);
            }
            EXPECT_EQ(Mensagens.size(), NoArquivo.Estado == Estado::Finalizada ? 0 : 1)
                << qPrintable(Mensagens.join(u'|'));
        }
    }
}

// The file is the station's while it runs: a second station on the folder is
// refused whatever became of the lock file, no other program can take it
// between two states, and a row another program moved anyway (before the
// station opened it) is told, never written over.
TEST(LivroTransacoes, ArquivoSoDaEstacaoEEstadoSoDoQueElaGravou) {
    TPastaDeTrabalho Pasta;
    TLancamentoTEF L;
    L.Documento = QStringLiteral("7");
    {
        TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
        Livro.Inicia(L);
        // A second station, and another program, are other processes.
        const auto Segunda = [] {
            TLivroTransacoes Outra(TLivroTransacoes::NomePadrao);
            const bool Recusada = Outra.OcupadoPorOutro() &&
                                  Outra.Falha().contains(QStringLiteral("em uso por outro"));
            ::_exit(Recusada ? Morreu : 0);
        };
        EXPECT_EXIT(Segunda(), testing::ExitedWithCode(Morreu), "");
        EXPECT_FALSE(OutroProcessoToma());
        EXPECT_TRUE(Livro.Registra(L, Estado::Aprovada));
    }
    {
        auto Mao = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mao"));
        Mao.setDatabaseName(TLivroTransacoes::NomePadrao);
        ASSERT_TRUE(Mao.open());
        ASSERT_TRUE(
            QSqlQuery(Mao).exec(QStringLiteral("UPDATE lancamentos SET estado = 'finalizada'")));
        Mao.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mao"));
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    EXPECT_FALSE(Livro.Registra(L, Estado::Imprimindo));
    EXPECT_TRUE(
        Livro.Falha().contains(QStringLiteral("\"finalizada\", gravada por outro programa")));
    EXPECT_EQ(Livro.Todos().at(0).Estado, Estado::Finalizada);
    EXPECT_TRUE(Livro.Retido().isEmpty());
}

// A file damaged past its open rows (the page of the newest rows) is found
// at start; its open rows are carried into the new one and named to the
// cashier.
// Of this version, and of the first one: a damaged file is never brought up
// to date, its rows are read with the columns it has.
TEST(LivroTransacoes, ArquivoDanificadoLevaSeusAbertosParaONovo) {
    for (const bool DaVersao0 : {false, true}) {
        SCOPED_TRACE(DaVersao0);
        TPastaDeTrabalho Pasta;
        {
            TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
            TLancamentoTEF Aberto;
            Aberto.Documento = QStringLiteral("41");
            Livro.Inicia(Aberto);
            Livro.Registra(Aberto, Estado::Impressa);
            for (int I = 0; I < 12; ++I) {
                TLancamentoTEF Encerrado;
                Encerrado.Documento = QString::number(42 + I);
                Encerrado.Comprovante = QString(1500, u'x');
                Livro.Inicia(Encerrado);
                Livro.Registra(Encerrado, Estado::Finalizada);
            }
        }
        if (DaVersao0) {
            QStringList Volta = {QStringLiteral("DROP INDEX lancamentos_dia"),
                                 QStringLiteral("PRAGMA user_version = 0")};
            for (const QString& Coluna : AusentesNaVersao0) {
                Volta.append(QStringLiteral("ALTER TABLE lancamentos DROP COLUMN ") + Coluna);
            }
            NoArquivo(Volta);
        }
        // The last table leaf the rows filled: a page type SQLite rejects.
        QFile Arquivo(TLivroTransacoes::NomePadrao);
        ASSERT_TRUE(Arquivo.open(QIODevice::ReadWrite));
        qint64 Folha = 0;
        for (qint64 Pagina = 4096; Pagina < Arquivo.size(); Pagina += 4096) {
            Arquivo.seek(Pagina);
            if (Arquivo.read(1) == "\x0d") {
                Folha = Pagina;
            }
        }
        Arquivo.seek(Folha);
        Arquivo.write("\x01");
        Arquivo.close();
        TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
        EXPECT_TRUE(Livro.Aviso().contains(QStringLiteral("recuperadas, resolvidas a seguir: "
                                                          "documento 41.")))
            << qPrintable(Livro.Aviso());
        const std::vector<TLancamentoTEF> Abertos = Livro.Abertos();
        ASSERT_EQ(Abertos.size(), 1u);
        EXPECT_EQ(Abertos[0].Documento, QStringLiteral("41"));
        EXPECT_EQ(Abertos[0].Estado, Estado::Impressa);
    }
}

// Function 130's answer is a list only when it is whole: its count matches
// its blocks and it ended with 0. Anything less is no list, never an empty
// one (that would pass every open transaction for concluded), and a library
// that never ends the query does not hold the start.
TEST(PendenciasSiTef, SoUmaListaInteiraDizOQueNaoEstaPendente) {
    using P = std::deque<TBibliotecaRoteirizada::Passo>;
    const P Bloco = {Campo(160, "000041"), Campo(161, "1"), Campo(163, "20261210"),
                     Campo(164, "101010")};
    const auto Com = [](P Passos, std::initializer_list<TBibliotecaRoteirizada::Passo> Mais) {
        Passos.insert(Passos.end(), Mais);
        return Passos;
    };
    const struct {
        P Passos;
        std::optional<bool> Dia10, Dia11;
    } Casos[] = {
        {Com({Campo(210, "1")}, {Bloco[0], Bloco[1], Bloco[2], Bloco[3], Fim(0)}), true, false},
        {Com({Campo(210, "0")}, {Fim(0)}), false, false},
        {Com({Campo(210, "1"), Comando(9998)}, {Bloco[0], Bloco[2], Fim(0)}), true, false},
        {Com({Campo(210, "1"), Campo(160, "41")}, {Fim(0)}), true, true},
        {Com(Bloco, {Fim(0)}), {}, {}},
        {Com({Campo(210, "2")}, {Bloco[0], Fim(0)}), {}, {}},
        {{Fim(0)}, {}, {}},
        {Com({Campo(210, "1")}, {Bloco[0], Fim(-5)}), {}, {}},
        {P(30000, Comando(22)), {}, {}},
    };
    for (const auto& Caso : Casos) {
        SCOPED_TRACE(Caso.Passos.size());
        TBibliotecaRoteirizada Biblioteca;
        Biblioteca.PassosConsulta = Caso.Passos;
        const TPendenciasSiTef Pendencias(Biblioteca);
        EXPECT_EQ(Pendencias.TemLista(), Caso.Dia10.has_value());
        EXPECT_EQ(Pendencias.Pendente(QStringLiteral("41"), QStringLiteral("20261210")),
                  Caso.Dia10);
        EXPECT_EQ(Pendencias.Pendente(QStringLiteral("41"), QStringLiteral("20261211")),
                  Caso.Dia11);
    }
}
