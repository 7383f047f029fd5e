// A station that dies at the print dialog: it runs the sale (function 0) or
// an administrative function through the real binding and the station's own
// confirmation path, which records each state in the journal before taking it;
// the print dialog prints the document number the journal records as
// printing and ends the process
// at once.
//   transacao_interrompida FUNCAO   (CLISITEF_SIM_ROTEIRO, CLISITEF_SIM_DIARIO as usual)
#include "CicloTransacao.h"
#include "CliSiTef.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "OperadorRoteirizado.h"
#include "VendaTEF.h"

#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

class TMorreNoDialogo : public TInterfaceRelatorio {
public:
    explicit TMorreNoDialogo(TLivroTransacoes& Livro) : FLivro(Livro) {}
    bool Pergunta(const QString&) override { return true; }
    void Erro(const QString&) override {}
    void Aguarde(const QString&) override {}
    void FimAguarde() override {}
    bool ExecutaDialogo(TNTextReport&, TPrinterDialogInfo&) override {
        // The journal's state, committed by the station before printing.
        QString Documento = QStringLiteral("sem registro");
        for (const TLancamentoTEF& Aberto : FLivro.Abertos()) {
            if (Aberto.Estado == TEstadoLancamento::Imprimindo) {
                Documento = Aberto.Documento;
            }
        }
        std::printf("%s\n", qPrintable(Documento));
        std::fflush(stdout);
        ::_exit(0);
    }
    bool ImprimeJatoDeTinta(const QString&, const TPrinterInfo&, const QString&) override {
        return false;
    }

private:
    TLivroTransacoes& FLivro;
};

// What the operator types, in order, for each function of the scenarios.
QStringList Respostas(std::int32_t Funcao) {
    switch (Funcao) {
    case 200:
        return {QStringLiteral("1234"), QStringLiteral("12,34"), QStringLiteral("123"),
                QStringLiteral("08122026")};
    case 115:
        return {QStringLiteral("4111111111111111"), QStringLiteral("1228"),
                QStringLiteral("50,00")};
    default:
        return {QStringLiteral("4111111111111111"), QStringLiteral("1228"), QStringLiteral("123")};
    }
}

} // namespace

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const std::int32_t Funcao = argc > 1 ? std::atoi(argv[1]) : 0;
    TCliSiTef CliSiTef;
    TOperadorRoteirizado Operador;
    for (const QString& Resposta : Respostas(Funcao)) {
        Operador.FColeta.Respostas.emplace_back(QString(), Resposta);
    }
    Operador.FMenu.Escolhas = {QStringLiteral("1")};
    TLivroTransacoes Livro(TLivroTransacoes::NomePadrao);
    TAmbienteTEF Ambiente{CliSiTef, Operador, Livro};
    TMorreNoDialogo Interface(Livro);
    TDM_TEF Modulo(Ambiente, &Interface);
    DM_TEF = &Modulo;
    DM_CAIXA_VAREJO.NumeroVias = 1;
    if (Funcao != 0) {
        Modulo.ExecutaFuncaoTEF(Funcao, 999, QString(), Currency(), false);
        return 1; // the print dialog was never reached
    }
    TVendaTEF Venda(Ambiente);
    const QDateTime Agora = QDateTime::currentDateTime();
    Venda.Vende(Modulo, 999, Currency::DeCentavos(500), Agora);
    return 1;
}
