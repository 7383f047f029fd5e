#include "TratadorErros.h"

#include "CodigosDialogo.h"
#include "Erros.h"
#include "NDialog.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

void MostraErro(const QString& Mensagem) {
    using namespace CodigosDialogo;
    TDialog::Executa(Mensagem, QStringLiteral("Atenção"), BotoesOk, IconeInformacao,
                     BotaoPadraoAutomatico);
}

} // namespace

void ExecutaProtegido(const std::function<void()>& Funcao) {
    try {
        Funcao();
    } catch (const EAbortoSilencioso&) {
    } catch (const EErro& Erro) {
        MostraErro(Erro.Mensagem());
    } catch (const std::exception& Erro) {
        MostraErro(QString::fromLocal8Bit(Erro.what()));
    }
}

void ProcessaMensagensPendentes() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void DevolveFoco(QWidget* Campo) {
    if (Campo == nullptr) {
        return;
    }
    Campo->window()->activateWindow();
    Campo->setFocus(Qt::OtherFocusReason);
}
