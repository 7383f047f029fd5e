#include "TPLDataForm.h"

#include "CodigosDialogo.h"
#include "Erros.h"
#include "NDialog.h"
#include "TratadorErros.h"
#include "VerificacoesCampo.h"

#include <QLineEdit>

namespace {

QString TextoDoCampo(const QWidget* Campo) {
    const auto* Edicao = qobject_cast<const QLineEdit*>(Campo);
    return Edicao != nullptr ? Edicao->text() : QString();
}

} // namespace

TTPLDataForm::TTPLDataForm(QWidget* Pai) : TTPLCustomForm(Pai) {}

void TTPLDataForm::TPLBeforeExit(QWidget* Sender, bool& Validate) {
    CampoAtual = Sender;
    if (UltimaTecla == Qt::Key_Up) {
        Validate = false;
    }
}

void TTPLDataForm::TPLForceValidateEmpty(QWidget* Sender) {
    VerificaObrigatorio(Sender);
}

void TTPLDataForm::TPLForceValidateZero(QWidget* Sender) {
    VerificaObrigatorio(Sender);
    VerificaMaiorQueZero(Sender);
}

void TTPLDataForm::TPLForceValidateNegative(QWidget* Sender) {
    VerificaObrigatorio(Sender);
    VerificaNaoNegativo(Sender);
}

void TTPLDataForm::VerificaObrigatorio(QWidget* Campo) {
    Recusa(Campo, VerificacoesCampo::Obrigatorio(TextoDoCampo(Campo)));
}

void TTPLDataForm::VerificaMaiorQueZero(QWidget* Campo) {
    Recusa(Campo, VerificacoesCampo::MaiorQueZero(TextoDoCampo(Campo)));
}

void TTPLDataForm::VerificaNaoNegativo(QWidget* Campo) {
    Recusa(Campo, VerificacoesCampo::NaoNegativo(TextoDoCampo(Campo)));
}

// A refused check: its message, the focus back in the field, and the
// operation ends without a further message.
void TTPLDataForm::Recusa(QWidget* Campo, const std::optional<QString>& Mensagem) {
    if (!Mensagem) {
        return;
    }
    using namespace CodigosDialogo;
    TDialog::Executa(*Mensagem, QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                     BotaoPadraoAutomatico);
    DevolveFoco(Campo);
    throw EAbortoSilencioso();
}
