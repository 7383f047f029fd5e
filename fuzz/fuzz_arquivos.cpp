// The station's loaders fed arbitrary files: the profile file, Printer.ini
// and string lists.
#include "ArquivoPerfil.h"
#include "CodigosImpressora.h"
#include "Entrada.h"
#include "Erros.h"
#include "TNStringList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Dados, std::size_t Tamanho) {
    const QString Caminho = GravaEntrada(Dados, Tamanho, "arquivo");
    TArquivoPerfil Perfil(Caminho);
    const QString Valor = Perfil.LeTexto(QStringLiteral("CONF_TEF"),
                                         QStringLiteral("HOST_SERVIDOR"), QStringLiteral("padrão"));
    try {
        Perfil.GravaTexto(QStringLiteral("CONF_TEF"), QStringLiteral("SENHA_TEF"), Valor);
    } catch (const EErro&) {
    }
    // The raw bytes go through the same UTF-8 or Windows-1252 detection; a
    // write is either refused or keeps the file's encoding.
    const TCodificacaoPerfil Antes = Perfil.Codificacao();
    try {
        Perfil.GravaTexto(QStringLiteral("CONF_TEF"), QStringLiteral("IDENT_EMPRESA"),
                          QStringLiteral("Padaria São João €"));
        if (Perfil.Codificacao() != Antes) {
            std::abort();
        }
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
