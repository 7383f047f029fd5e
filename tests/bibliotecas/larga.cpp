// A client library built with 64-bit outputs: it writes 8 bytes through every
// pointer the station hands it.
extern "C" __attribute__((visibility("default"))) int
ContinuaFuncaoSiTefInterativo(long long* Comando, long long* TipoCampo, long long* Minimo,
                              long long* Maximo, char* Buffer, int Tamanho, int /*Continua*/) {
    *Comando = 21;
    *TipoCampo = 505;
    *Minimo = -1;
    *Maximo = 32767;
    if (Tamanho > 2) {
        Buffer[0] = 'x';
        Buffer[1] = '\0';
    }
    return 10000;
}
