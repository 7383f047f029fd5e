#include "MAN_CAIXA_VAREJO_MENU.h"

#include "FAT_DM_CAIXA_VAREJO.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "FuncoesSiTef.h"
#include "NPushButton.h"
#include "Ocupado.h"

#include <QCloseEvent>
#include <QVBoxLayout>

QPointer<TManCaixaVarejoMenu> ManCaixaVarejoMenu;

namespace {

constexpr int Largura = 300;
constexpr int Altura = 343; // the title bar and nine buttons

} // namespace

TManCaixaVarejoMenu::TManCaixaVarejoMenu(QWidget* Pai) : TTPLModalDataForm(Pai) {
    setObjectName(QStringLiteral("ManCaixaVarejoMenu"));
    setWindowTitle(QStringLiteral("Caixa de Varejo (Menu)"));
    TelaCheia = false;

    auto* Coluna = new QVBoxLayout(Conteudo());
    Coluna->setContentsMargins(12, 12, 12, 12);
    Coluna->setSpacing(4);
    // One below the other, in the order they are made.
    const auto Botao = [this, Coluna](const char* Nome, const QString& Legenda,
                                      void (TManCaixaVarejoMenu::*Clique)()) {
        TNPushButton* Novo = TNPushButton::Cria(Conteudo(), QString::fromLatin1(Nome), Legenda,
                                                [this, Clique] { (this->*Clique)(); });
        Novo->setStyleSheet(QStringLiteral("text-align: left; padding-left: 12px;"));
        Novo->setMinimumHeight(27);
        Coluna->addWidget(Novo);
        return Novo;
    };
    BtnCancelTEF = Botao("BtnCancelTEF", QStringLiteral("&A ) Cancelamento"),
                         &TManCaixaVarejoMenu::BtnCancelTEFClick);
    BtnReimpressao = Botao("BtnReimpressao", QStringLiteral("&B ) Reimpressão Cupom TEF"),
                           &TManCaixaVarejoMenu::BtnReimpressaoClick);
    BtnPreAutorizacao = Botao("BtnPreAutorizacao", QStringLiteral("&C ) Pre-Autorização"),
                              &TManCaixaVarejoMenu::BtnPreAutorizacaoClick);
    BtnCapPreAutorizacao =
        Botao("BtnCapPreAutorizacao", QStringLiteral("&D ) Captura Pré-Autorização"),
              &TManCaixaVarejoMenu::BtnCapPreAutorizacaoClick);
    BtnTestComuniTEF = Botao("BtnTestComuniTEF", QStringLiteral("&E ) Testar Comunicação"),
                             &TManCaixaVarejoMenu::BtnTestComuniTEFClick);
    BtnAdministrativoTEF = Botao("BtnAdministrativoTEF", QStringLiteral("&F ) Administrativo"),
                                 &TManCaixaVarejoMenu::BtnAdministrativoTEFClick);
    BtnReimpressaoUltimo =
        Botao("BtnReimpressaoUltimo", QStringLiteral("&G ) Reimpressão do Último Cupom"),
              &TManCaixaVarejoMenu::BtnReimpressaoUltimoClick);
    BtnReimpressaoEscolhida =
        Botao("BtnReimpressaoEscolhida", QStringLiteral("&H ) Reimpressão de Cupom Específico"),
              &TManCaixaVarejoMenu::BtnReimpressaoEscolhidaClick);
    BtnCancelPixTEF = Botao("BtnCancelPixTEF", QStringLiteral("&I ) Cancelamento PIX"),
                            &TManCaixaVarejoMenu::BtnCancelPixTEFClick);
    resize(Largura, Altura);
}

TManCaixaVarejoMenu::~TManCaixaVarejoMenu() {
    ManCaixaVarejoMenu.clear();
}

void TManCaixaVarejoMenu::showEvent(QShowEvent* Evento) {
    TTPLModalDataForm::showEvent(Evento);
    // Decided as the menu opens: a test run from the open menu changes
    // nothing until it is opened again.
    const bool Online = DM_CAIXA_VAREJO.StatusTEF == 0;
    for (TNPushButton* Item : Conteudo()->findChildren<TNPushButton*>()) {
        Item->setEnabled(Online || Item == BtnTestComuniTEF);
    }
}

void TManCaixaVarejoMenu::closeEvent(QCloseEvent* Evento) {
    if (FExecutando) {
        Evento->ignore();
        return;
    }
    TTPLModalDataForm::closeEvent(Evento);
}

void TManCaixaVarejoMenu::EscPressionado() {
    if (!FExecutando) {
        TTPLModalDataForm::EscPressionado();
    }
}

void TManCaixaVarejoMenu::BtnCancelTEFClick() {
    ExecutaFuncao({FuncaoSiTef::Cancelamento, true, false, false, true});
}

void TManCaixaVarejoMenu::BtnReimpressaoClick() {
    ExecutaFuncao({FuncaoSiTef::Reimpressao, false, false, true, false});
}

void TManCaixaVarejoMenu::BtnPreAutorizacaoClick() {
    ExecutaFuncao({FuncaoSiTef::PreAutorizacao, true, false, true, false});
}

void TManCaixaVarejoMenu::BtnCapPreAutorizacaoClick() {
    ExecutaFuncao({FuncaoSiTef::CapturaPreAutorizacao, true, false, true, false});
}

void TManCaixaVarejoMenu::BtnAdministrativoTEFClick() {
    ExecutaFuncao({FuncaoSiTef::Administrativo, false, true, true, true});
}

void TManCaixaVarejoMenu::BtnReimpressaoUltimoClick() {
    ExecutaFuncao({FuncaoSiTef::ReimpressaoUltimoCupom, false, false, true, false});
}

void TManCaixaVarejoMenu::BtnReimpressaoEscolhidaClick() {
    ExecutaFuncao({FuncaoSiTef::ReimpressaoEscolhida, false, false, true, false});
}

void TManCaixaVarejoMenu::BtnCancelPixTEFClick() {
    ExecutaFuncao({FuncaoSiTef::CancelamentoPix, true, false, false, true});
}

void TManCaixaVarejoMenu::BtnTestComuniTEFClick() {
    SemReentrada([this] {
        DM_CAIXA_VAREJO.StatusTEF = TestaComunicacaoTEF(DM_TEF->Ambiente(), false);
        if (TrazParaFrente) {
            TrazParaFrente();
        }
    });
}

// The dialogs made present here are released on every way out, also when
// the loop ends by an error, which then goes on to the error handler.
void TManCaixaVarejoMenu::ExecutaFuncao(const TFuncaoMenu& Funcao) {
    SemReentrada([this, &Funcao] {
        TOperadorTEF& Operador = DM_TEF->Ambiente().Operador;
        const auto Libera = [this, &Operador, &Funcao] {
            Operador.Menu().Libera();
            if (Funcao.Visualizador) {
                Operador.Visualizador().Libera();
            }
            Operador.Coleta().Libera();
            if (Funcao.FimAguarde) {
                Operador.FimAguardeDisplay();
            }
            if (Funcao.ParaFrente && TrazParaFrente) {
                TrazParaFrente();
            }
        };
        try {
            Operador.Menu().TornaPresente();
            Operador.Coleta().TornaPresente();
            if (Funcao.Visualizador) {
                Operador.Visualizador().TornaPresente();
            }
            if (Funcao.ExigeValor) {
                Operador.Coleta().DefineExigeValor(true);
            }
            DM_TEF->ExecutaFuncaoTEF(Funcao.Funcao, 999, QString(), Currency(), false);
        } catch (...) {
            Libera();
            throw;
        }
        Libera();
    });
}

void TManCaixaVarejoMenu::SemReentrada(const std::function<void()>& Acao) {
    const TOcupado Ocupado(FExecutando);
    if (Ocupado.Obtido()) {
        Acao();
    }
}
