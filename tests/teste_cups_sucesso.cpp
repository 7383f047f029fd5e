// A raw job closed with any IPP success status counts as sent: against the
// private CUPS scheduler, with the scheduler's answer to the closing of the
// document replaced by another status.
#include "CapturaLog.h"
#include "InterfaceRelatorioRoteirizada.h"
#include "NReport.h"
#include "PastaDeTrabalho.h"

#include <cups/cups.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

// The status the scheduler's success is replaced by.
ipp_status_t StatusForcado = IPP_STATUS_OK;

} // namespace

// Called by the raw printer in place of libcups' own, which it then calls.
extern "C" ipp_status_t cupsFinishDocument(http_t* Http, const char* Nome) {
    using TFinaliza = ipp_status_t (*)(http_t*, const char*);
    static const auto Real = reinterpret_cast<TFinaliza>(dlsym(RTLD_NEXT, "cupsFinishDocument"));
    const ipp_status_t Status = Real(Http, Nome);
    return Status == IPP_STATUS_OK ? StatusForcado : Status;
}

TEST(TRawPrinter, TodaRespostaDeSucessoDoIppContaComoEnviado) {
    TPastaDeTrabalho Pasta;
    cupsSetServer(nullptr);
    ListaImpressoras::Reinicia();
    TInterfaceRelatorioRoteirizada Interface;
    Interface.Escolha.PrinterInfo.Device = QStringLiteral("recibos");
    Interface.Escolha.Copies = 1;
    TNTextReport Recibo{&Interface};
    Recibo.DefaultHeader = false;
    Recibo.PrintTarget = ptDialog;
    Recibo.OnPrintDetail = [](TNTextReport& R) { R.PrintText(1, 1, QStringLiteral("VIA"), 0); };
    const std::pair<ipp_status_t, TResultadoImpressao> Casos[] = {
        {IPP_STATUS_OK, TResultadoImpressao::Enviado},
        {IPP_STATUS_OK_CONFLICTING, TResultadoImpressao::Enviado},
        {IPP_STATUS_OK_EVENTS_COMPLETE, TResultadoImpressao::Enviado},
        {IPP_STATUS_ERROR_INTERNAL, TResultadoImpressao::Falhou}};
    for (const auto& [Status, Esperado] : Casos) {
        StatusForcado = Status;
        const TCapturaLog Log("tefkimbro.impressao");
        EXPECT_EQ(Recibo.Execute(), Esperado) << Status;
        // A refused job is logged with its queue, its number and the answer.
        const QStringList Recusas = Log.Com({QStringLiteral("queue recibos, job "),
                                             QStringLiteral(": closing the document (") +
                                                 QString::fromLatin1(ippErrorString(Status)) +
                                                 QStringLiteral(") failed: ")});
        EXPECT_EQ(Recusas.size(), Esperado == TResultadoImpressao::Falhou ? 1 : 0) << Status;
    }
}
