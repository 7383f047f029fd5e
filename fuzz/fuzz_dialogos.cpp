// The two operator dialogs that take the library's text apart: the option
// menu filled from an arbitrary option list, and the check-data answer built
// from arbitrary field contents. The first byte picks which.
#include "MAN_CAIXA_TEF_COLETA.h"
#include "MAN_CAIXA_TEF_MENU.h"
#include "NPushButton.h"

#include <QApplication>

#include <cstdlib>

namespace {

TManCaixaTefMenu* Menu = nullptr;

void Exige(bool Condicao) {
    if (!Condicao) {
        std::abort();
    }
}

// Whatever the list, codes 0 and 999 included, one option button per
// entry that is not empty, each with its accelerator mark, the form never
// taller than nine of them, no entry without a code answering another's
// code, and pressing the first answers its reply with continuation 0
// ("Abandonar" when there is none).
void PreencheMenu(const QString& Opcoes) {
    const QStringList Codigos = CodigosDaLista(Opcoes);
    Menu->Opcoes = Opcoes;
    Menu->show();
    TNPushButton* Primeira = nullptr;
    for (TNPushButton* Botao : Menu->BotoesOpcao) {
        if (!Botao->isVisible() || !Botao->isEnabled()) {
            continue;
        }
        Primeira = Primeira != nullptr ? Primeira : Botao;
        Exige(Botao->text().startsWith(u'&'));
        Exige(Botao->property("ComCodigo").toBool() ||
              !Codigos.contains(Botao->property("Resposta").toString()));
    }
    Exige(Menu->height() <= TManCaixaTefMenu::AlturaBase + 9 * 27);
    (Primeira != nullptr ? Primeira : Menu->BtnSair)->click();
    Exige(Menu->Continuacao == (Primeira != nullptr ? 0 : -1));
    Exige(Primeira == nullptr || Menu->OpcaoEscolhida == Primeira->property("Resposta").toString());
    Menu->hide();
}

// The answer pads each part to its width and never cuts one.
void MontaCheque(const QList<QByteArray>& Partes) {
    QStringList Campos;
    for (qsizetype I = 0; I < 8; ++I) {
        Campos.append(QString::fromLatin1(I < Partes.size() ? Partes[I] : QByteArray()));
    }
    const QString Resposta = RespostaCheque(Campos[0], Campos[1], Campos[2], Campos[3], Campos[4],
                                            Campos[5], Campos[6], Campos[7]);
    // Padded parts lose their surrounding blanks first; the check digits go as typed.
    const qsizetype Larguras[] = {3, 3, 4, 0, 10, 0, 6, 0};
    qsizetype Esperado = 0;
    for (qsizetype I = 0; I < 8; ++I) {
        Esperado +=
            Larguras[I] == 0 ? Campos[I].size() : std::max(Campos[I].trimmed().size(), Larguras[I]);
    }
    Exige(Resposta.size() == Esperado);
    Exige(Resposta.endsWith(Campos[7]));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication Aplicacao(*argc, *argv);
    Menu = new TManCaixaTefMenu();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Dados, std::size_t Tamanho) {
    if (Tamanho == 0) {
        return 0;
    }
    const QByteArray Resto(reinterpret_cast<const char*>(Dados + 1),
                           static_cast<qsizetype>(Tamanho - 1));
    if (Dados[0] & 1) {
        MontaCheque(Resto.split('|'));
    } else {
        PreencheMenu(QString::fromUtf8(Resto));
    }
    return 0;
}
