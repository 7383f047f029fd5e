#include "FAT_DM_TEF_OFFLINE.h"

#include "CodigosDialogo.h"
#include "Erros.h"
#include "FAT_DM_CAIXA_VAREJO.h"
#include "FormatosTEF.h"
#include "FuncoesSiTef.h"
#include "PassosTEF.h"
#include "RegistroTEF.h"
#include "Relogio.h"
#include "Textos.h"

#include <QDateTime>
#include <QFileInfo>
#include <QScopeGuard>

#include <limits>

TDM_TEF* DM_TEF = nullptr;
std::int32_t Continua = 0;

namespace {

std::int32_t LeNumeroSequencia(const QString& Texto) {
    bool Valido = false;
    const std::int32_t Numero = Texto.toInt(&Valido, 10);
    const bool SoDecimal = !Texto.isEmpty() && std::all_of(Texto.begin(), Texto.end(), [](QChar C) {
        return C.isDigit() || C == u'-' || C == u'+';
    });
    // A hand-edited negative number would hand the library document 0 or
    // below: refused as any other value that is no document number.
    if (!Valido || !SoDecimal || Numero < 0) {
        throw EErroConversao(
            QStringLiteral("O arquivo %1 não contém um número de documento válido: '%2'.")
                .arg(ArquivoSequencia, Texto));
    }
    if (Numero == std::numeric_limits<std::int32_t>::max()) {
        throw EErroConversao(
            QStringLiteral("Os números de documento do arquivo %1 se esgotaram (%2).")
                .arg(ArquivoSequencia, Texto));
    }
    return Numero;
}

// Command of the communication test's dialogue.
void AtendeComandoTeste(TAmbienteTEF& Ambiente, bool Silencioso, const TSaidaComando& Saida,
                        TBufferSiTef& Buffer, const QString& Mensagem) {
    using namespace CodigosDialogo;
    TOperadorTEF& Operador = Ambiente.Operador;
    switch (Saida.Comando) {
    case 1:
    case 2:
    case 3:
        Operador.AguardeDisplay(Mensagem);
        break;
    case 11:
    case 12:
    case 13:
        Operador.FimAguardeDisplay();
        break;
    case 20:
        if (Silencioso) {
            Buffer.EscrevePrimeiroCaractere('0');
            break;
        }
        PassosTEF::PerguntaSimNaoCancelar(Operador, Buffer, Mensagem);
        break;
    case 22:
        if (!Silencioso) {
            Operador.MsgDisplay(Mensagem, QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                                BotaoPadraoAutomatico);
        }
        break;
    default:
        break;
    }
}

std::int32_t DialogoTeste(TAmbienteTEF& Ambiente, bool Silencioso) {
    TSaidaComando Saida;
    TBufferSiTef Buffer;
    Continua = 0;
    std::int32_t Resultado = ResultadoSiTef::Continua;
    while (Resultado == ResultadoSiTef::Continua) {
        Resultado = Ambiente.Biblioteca.ContinuaFuncaoSiTefInterativo(Saida, Buffer, Continua);
        const QString Mensagem = Buffer.TextoMensagem();
        if (Resultado == ResultadoSiTef::Continua) {
            AtendeComandoTeste(Ambiente, Silencioso, Saida, Buffer, Mensagem);
        }
    }
    return Resultado;
}

} // namespace

namespace {

const QString MarcaPromissoria = QStringLiteral("    NOTA  PROMISSORIA");
const QString FimPromissoria = QStringLiteral("ANOTE TELEFONE E ENDERECO NO VERSO");
const QString MarcaSiTef = QStringLiteral("(SiTef)");

// A copy without the promissory-note block that comes before any "(SiTef)"
// line; an empty line prints as one blank.
void AcrescentaCopiaFiltrada(const TNStringList& Cupom, TNStringList& Impressao) {
    bool Imprimindo = true;
    bool Procurando = true;
    for (QString Linha : Cupom.Itens()) {
        if (Linha.isEmpty()) {
            Linha = QStringLiteral(" ");
        }
        if (Linha.contains(MarcaSiTef)) {
            Procurando = false;
        }
        if (Procurando && Linha.contains(MarcaPromissoria)) {
            Imprimindo = false;
            Procurando = false;
        }
        if (Imprimindo) {
            Impressao.Add(Linha);
        }
        if (Linha.contains(FimPromissoria)) {
            Imprimindo = true;
            Procurando = false;
        }
    }
}

} // namespace

TNStringList LinhasDeImpressao(const TNStringList& Cupom, std::int32_t Vias) {
    TNStringList Impressao;
    const bool TemPromissoria = Cupom.Text().contains(MarcaPromissoria);
    for (std::int32_t Via = 0; Via < Vias; ++Via) {
        if (!TemPromissoria) {
            for (const QString& Linha : Cupom.Itens()) {
                Impressao.Add(Linha);
            }
            continue;
        }
        AcrescentaCopiaFiltrada(Cupom, Impressao);
    }
    return Impressao;
}

TDM_TEF::TDM_TEF(TAmbienteTEF& Ambiente, TInterfaceRelatorio* Interface)
    : impcupom(Interface), FAmbiente(Ambiente) {
    impcupom.Columns = 42;
    impcupom.PrintMode = pmCondensed;
    impcupom.PrintTarget = ptDialog;
    impcupom.DefaultHeader = false;
    impcupom.DefaultPath = QStringLiteral("C:\\TEMP\\");
    impcupom.OnPrintDetail = [this](TNTextReport& Relatorio) { impcupomPrintDetail(Relatorio); };
}

bool TDM_TEF::ImprimeCupomTEF(TNStringList& Cupom) {
    TOperadorTEF& Operador = FAmbiente.Operador;
    Operador.AguardeDisplay(QStringLiteral("Imprimindo Cupom TEF..."));
    Operador.ProcessaMensagens();
    // Nothing of an earlier receipt may reach the report: when this one
    // cannot be prepared, no report runs and nothing counts as printed.
    Str_Impressao.Clear();
    UltimaImpressao = TResultadoImpressao::Falhou;
    // The fiscal printer's TEF mode ends on every way out.
    const auto FimModoTEF = qScopeGuard([this] { BemaFI32.Bematech_FI_FinalizaModoTEF(); });
    try {
        Cupom.SaveToFile(ArquivoCupomTEF);
        Cupom.LoadFromFile(ArquivoCupomTEF);
        Str_Impressao = LinhasDeImpressao(Cupom, DM_CAIXA_VAREJO.NumeroVias);
    } catch (...) {
        Operador.FimAguardeDisplay();
        throw;
    }
    Operador.FimAguardeDisplay();
    UltimaImpressao = impcupom.Execute();
    return true;
}

TResultadoImpressao TDM_TEF::ImprimeCopia(const QString& Comprovante) {
    TNStringList Cupom;
    Cupom.SetText(Comprovante);
    Str_Impressao = LinhasDeImpressao(Cupom, 1);
    Str_Impressao = TNStringList(QStringList{MarcaCopia} + Str_Impressao.Itens());
    UltimaImpressao = impcupom.Execute();
    return UltimaImpressao;
}

void TDM_TEF::impcupomPrintDetail(TNTextReport& Relatorio) {
    for (const QString& Linha : Str_Impressao.Itens()) {
        Relatorio.PrintText(Relatorio.CurrentLine() + 1, 1, Linha, 0);
    }
}

std::int32_t SequenciaAtual() {
    TNStringList Lista;
    if (QFileInfo::exists(ArquivoSequencia)) {
        Lista.LoadFromFile(ArquivoSequencia);
    } else {
        Lista.SetText(QStringLiteral("000"));
    }
    return LeNumeroSequencia(AparaControles(Lista.Text()));
}

std::int32_t ProximaSequencia() {
    const std::int32_t Numero = SequenciaAtual() + 1;
    TNStringList(QStringList{QString::number(Numero)}).SaveToFile(ArquivoSequencia);
    qCDebug(lcSequenciaTEF) << "document number" << Numero;
    return Numero;
}

std::int32_t TestaComunicacaoTEF(TAmbienteTEF& Ambiente, bool Silencioso) {
    // Its start would have the library undo a transaction still open.
    Ambiente.Livro.ExigeLivre();
    const std::int32_t Numero = ProximaSequencia();
    TOperadorTEF& Operador = Ambiente.Operador;
    Operador.AguardeDisplay(QStringLiteral("Testando comunicação Tef..."));
    std::int32_t Resultado = ResultadoSiTef::NaoInicializado;
    try {
        const QDateTime Agora = Relogio::Agora();
        Resultado = Ambiente.Biblioteca.IniciaFuncaoSiTefInterativo(
            FuncaoSiTef::TesteComunicacao, QStringLiteral("0,00"), QString::number(Numero),
            FormataDataTEF(Agora), FormataHoraTEF(Agora), QStringLiteral("0"), std::nullopt);
        if (Resultado == ResultadoSiTef::Continua) {
            Resultado = DialogoTeste(Ambiente, Silencioso);
        }
    } catch (...) {
        Operador.FimAguardeDisplay();
        throw;
    }
    Operador.FimAguardeDisplay();
    return Resultado;
}
