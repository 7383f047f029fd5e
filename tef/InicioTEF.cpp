#include "InicioTEF.h"

#include "CicloTransacao.h"

TInicioTEF IniciaTEF(TAmbienteTEF& Ambiente, const TParametrosInicio& Parametros) {
    TBibliotecaSiTef& Biblioteca = Ambiente.Biblioteca;
    TInicioTEF Inicio;
    Inicio.StatusTEF = Biblioteca.ConfiguraIntSiTefInterativo(
        Parametros.HostServidor, Parametros.IdentEmpresa, Parametros.IdentEstacao);
    if (Inicio.StatusTEF == 0) {
        Inicio.Mensagens = ResolvePendencias(Ambiente);
        Inicio.StatusTEF = TestaComunicacaoTEF(Ambiente, true);
    } else {
        Inicio.Mensagens = MensagensPendenciasAbertas(Ambiente.Livro);
    }
    Inicio.StatusPinPad = Biblioteca.VerificaPresencaPinPad();
    if (Inicio.StatusPinPad == 1) {
        Biblioteca.EscreveMensagemPermanentePinPad(PrefixoPinPad + Parametros.TextoPinPad);
    }
    return Inicio;
}
