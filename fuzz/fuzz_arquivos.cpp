// The station's loaders fed arbitrary files: the profile file, Printer.ini
// and string lists.
#include "ArquivoPerfil.h"
#include "CodigosImpressora.h"
#include "Entrada.h"
#include "Erros.h"
#include "TNStringList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Dados, std::size_t Tamanho) {
    const QString Caminho = GravaEntrada(Dados, Tamanho, "arquivo");
    TArquivoPerfil Perfil(Caminho);
    const QString Valor = Perfil.LeTexto(QStringLiteral("CONF_TEF"),
                                         QStringLiteral("HOST_SERVIDOR"), QStringLiteral("padrão"));
    try {
        Perfil.GravaTexto(QStringLiteral("CONF_TEF"), QStringLiteral("SENHA_TEF"), Valor);
    } catch (const EErro&) {
    }
    TPrinterCodes Codigos;
    TPrinterINI().Load(Caminho, Codigos);
    TNStringList Lista;
    try {
        Lista.LoadFromFile(Caminho);
    } catch (const EErro&) {
    }
    Lista.SetText(Lista.Text());
    return 0;
}
