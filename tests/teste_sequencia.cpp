#include "ArquivoAtomico.h"
#include "Erros.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "PastaDeTrabalho.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

TEST(ProximaSequencia, SemArquivoComecaEmUmECriaOArquivo) {
    TPastaDeTrabalho Pasta;
    EXPECT_EQ(ProximaSequencia(), 1);
    EXPECT_EQ(Pasta.Le(ArquivoSequencia), QByteArray("1\r\n"));
    EXPECT_EQ(ProximaSequencia(), 2);
    EXPECT_EQ(Pasta.Le(ArquivoSequencia), QByteArray("2\r\n"));
}

TEST(ProximaSequencia, NumeroComBrancosELinhaVazia) {
    TPastaDeTrabalho Pasta;
    Pasta.Grava(ArquivoSequencia, " 41 \r\n\r\n");
    EXPECT_EQ(ProximaSequencia(), 42);
    EXPECT_EQ(Pasta.Le(ArquivoSequencia), QByteArray("42\r\n"));
}

TEST(ProximaSequencia, ConteudoQueNaoEUmNumeroLevantaErroEFicaIntacto) {
    for (const QByteArray& Conteudo :
         {QByteArray("41\r\n42\r\n"), QByteArray("abc"), QByteArray("0x1F"), QByteArray(""),
          QByteArray("4 1"), QByteArray("99999999999"), QByteArray("-5"), QByteArray("-1"),
          QByteArray("-2147483648")}) {
        TPastaDeTrabalho Pasta;
        Pasta.Grava(ArquivoSequencia, Conteudo);
        EXPECT_THROW(ProximaSequencia(), EErroConversao) << Conteudo.constData();
        EXPECT_EQ(Pasta.Le(ArquivoSequencia), Conteudo);
        EXPECT_EQ(Pasta.Arquivos(), QStringList{ArquivoSequencia});
    }
}

TEST(ProximaSequencia, UltimoNumeroPossivelNaoDaVolta) {
    TPastaDeTrabalho Pasta;
    Pasta.Grava(ArquivoSequencia, "2147483646\r\n");
    EXPECT_EQ(ProximaSequencia(), 2147483647);
    EXPECT_THROW(ProximaSequencia(), EErroConversao);
    EXPECT_EQ(Pasta.Le(ArquivoSequencia), QByteArray("2147483647\r\n"));
}

TEST(ProximaSequencia, QuedaEntreGravarERenomearDeixaONumeroAnterior) {
    TPastaDeTrabalho Pasta;
    Pasta.Grava(ArquivoSequencia, "41\r\n");
    EXPECT_EXIT(
        {
            DefineGanchoAntesDeRenomear([] { ::_exit(7); });
            ProximaSequencia();
        },
        testing::ExitedWithCode(7), "");
    EXPECT_EQ(Pasta.Le(ArquivoSequencia), QByteArray("41\r\n"));
    // The dead process's temporary file is not mistaken for the sequence.
    EXPECT_EQ(ProximaSequencia(), 42);
}

TEST(ProximaSequencia, DiscoCheioLevantaErroDeGravacaoSemEntregarNumero) {
    TPastaDeTrabalho Pasta;
    Pasta.Grava(ArquivoSequencia, "41\r\n");
    // A file-size limit of one byte fails the write as a full disk does.
    const auto DiscoCheio = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit Limite{1, 1};
        ::setrlimit(RLIMIT_FSIZE, &Limite);
        try {
            ProximaSequencia();
        } catch (const EErroGravacao&) {
            ::_exit(3);
        }
        ::_exit(0);
    };
    EXPECT_EXIT(DiscoCheio(), testing::ExitedWithCode(3), "");
    EXPECT_EQ(Pasta.Le(ArquivoSequencia), QByteArray("41\r\n"));
    EXPECT_EQ(Pasta.Arquivos(), QStringList{ArquivoSequencia});
}
