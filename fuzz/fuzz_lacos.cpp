// Both interactive loops fed arbitrary library answers: commands, field
// types, lengths, texts up to the whole buffer with or without their zero,
// results; the operator answers from the same bytes.
#include "BibliotecaRoteirizada.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "OperadorRoteirizado.h"
#include "VendaTEF.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace {

class TLeitor {
public:
    TLeitor(const std::uint8_t* Dados, std::size_t Tamanho) : FDados(Dados), FTamanho(Tamanho) {}
    bool Fim() const { return FPosicao >= FTamanho; }
    std::uint8_t Byte() { return Fim() ? 0 : FDados[FPosicao++]; }
    std::int32_t Inteiro() {
        std::int32_t Valor = 0;
        for (int I = 0; I < 4; ++I) {
            Valor = static_cast<std::int32_t>(static_cast<std::uint32_t>(Valor) << 8 | Byte());
        }
        return Valor;
    }
    QByteArray Bytes(std::size_t Maximo) {
        const std::size_t N =
            std::min<std::size_t>(Maximo, FTamanho - std::min(FPosicao, FTamanho));
        const QByteArray Parte(reinterpret_cast<const char*>(FDados + FPosicao),
                               static_cast<qsizetype>(N));
        FPosicao += N;
        return Parte;
    }

private:
    const std::uint8_t* FDados;
    std::size_t FTamanho;
    std::size_t FPosicao = 0;
};

// Commands the loops know, so that most steps reach a real branch.
constexpr std::int32_t Comandos[] = {0,  1,  2,  3,  4,  11, 12, 13, 14, 15, 16, 20, 21,
                                     22, 23, 29, 30, 31, 34, 35, 41, 42, 50, 51, 52, 99};
constexpr std::int32_t TiposCampo[] = {-1, 19, 36, 105, 121, 122, 146, 500, 512, 584, 0};

} // namespace

// The files the code under test writes go to a folder of their own (the
// corpus folders given on the command line must then be absolute paths).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static QTemporaryDir Pasta;
    QDir::setCurrent(Pasta.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Dados, std::size_t Tamanho) {
    TLeitor Leitor(Dados, Tamanho);
    TBibliotecaRoteirizada Biblioteca;
    TOperadorRoteirizado Operador;
    const bool NaVenda = Leitor.Byte() & 1;
    Biblioteca.ResultadoInicio = (Leitor.Byte() & 7) == 0 ? Leitor.Inteiro() : 10000;
    while (!Leitor.Fim() && Biblioteca.Passos.size() < 200) {
        TBibliotecaRoteirizada::Passo Passo;
        const std::uint8_t Tipo = Leitor.Byte();
        Passo.Resultado = (Tipo & 0x1f) == 0 ? Leitor.Inteiro() : 10000;
        Passo.Comando =
            (Tipo & 0x20) ? Leitor.Inteiro() : Comandos[Leitor.Byte() % std::size(Comandos)];
        Passo.TipoCampo =
            (Tipo & 0x40) ? Leitor.Inteiro() : TiposCampo[Leitor.Byte() % std::size(TiposCampo)];
        Passo.Minimo = static_cast<std::int16_t>(Leitor.Inteiro());
        Passo.Maximo = static_cast<std::int16_t>(Leitor.Inteiro());
        // Texts up to the whole buffer; at its full size there is no zero.
        const std::size_t Comprimento = (Tipo & 0x80) ? TBufferSiTef::Tamanho : Leitor.Byte();
        Passo.Texto = Leitor.Bytes(Comprimento);
        if (Passo.Texto.size() == static_cast<qsizetype>(Comprimento) && (Tipo & 0x80)) {
            Passo.Texto.resize(TBufferSiTef::Tamanho, 'x');
        }
        Biblioteca.Passos.push_back(Passo);
        Operador.Respostas.push_back(Leitor.Byte() % 5);
        Operador.FMenu.Escolhas.push_back(QString::number(Leitor.Byte() % 12));
        Operador.FColeta.Respostas.emplace_back(QString::number(Leitor.Byte() % 3 * 999 % 1000),
                                                QString::fromLatin1(Leitor.Bytes(Leitor.Byte())));
        Operador.FTela.AbandonaNoQRCode = Leitor.Byte() & 1;
    }
    DM_CAIXA_VAREJO = TDM_CAIXA_VAREJO();
    // A fresh journal each run: a row an earlier run left open would
    // otherwise refuse every later one.
    for (const char* Sufixo : {"", "-wal", "-shm"}) {
        QFile::remove(TLivroTransacoes::NomePadrao + QLatin1String(Sufixo));
    }
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    TAmbienteTEF Ambiente{Biblioteca, Operador, Livro};
    try {
        if (NaVenda) {
            TVendaTEF Venda(Ambiente);
            Venda.ExecutaVendaTEF(999, Currency::DeCentavos(100), QDateTime::currentDateTime(),
                                  QDateTime::currentDateTime());
        } else {
            TDM_TEF Modulo(Ambiente, nullptr);
            Modulo.ExecutaFuncaoTEF(110, 999, QString(), Currency(), false);
        }
    } catch (const std::exception&) {
        // The station's own errors and silent aborts end an operation.
    }
    return 0;
}
