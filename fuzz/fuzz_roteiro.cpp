// The simulator's scenario reader and walker fed arbitrary scenarios: every
// function of the scenario started and answered until it ends.
#include "Entrada.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" {
int IniciaFuncaoSiTefInterativo(int Funcao, const char* Valor, const char* Cupom, const char* Data,
                                const char* Hora, const char* Operador, const char* Parametros);
int ContinuaFuncaoSiTefInterativo(int* Comando, long* TipoCampo, short* Minimo, short* Maximo,
                                  char* Buffer, int Tamanho, int Continua);
void FinalizaTransacaoSiTefInterativo(short Confirma, const char* Cupom, const char* Data,
                                      const char* Hora);
}

// The files the code under test writes go to a folder of their own (the
// corpus folders given on the command line must then be absolute paths).
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static QTemporaryDir Pasta;
    QDir::setCurrent(Pasta.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Dados, std::size_t Tamanho) {
    const QString Caminho = GravaEntrada(Dados, Tamanho, "roteiro.json");
    ::setenv("CLISITEF_SIM_ROTEIRO", Caminho.toLocal8Bit().constData(), 1);
    static char Buffer[30001];
    for (const int Funcao : {0, 110, 111, 112, 115, 116, 200}) {
        int Resultado =
            IniciaFuncaoSiTefInterativo(Funcao, "1,00", "1", "20261208", "120000", "999", "[]");
        for (int Passo = 0; Resultado == 10000 && Passo < 500; ++Passo) {
            int Comando = 0;
            long TipoCampo = 0;
            short Minimo = 0, Maximo = 0;
            // The answers alternate: go on with "1", back, go on with "2".
            Buffer[0] = static_cast<char>('1' + Passo % 2);
            Buffer[1] = '\0';
            Resultado =
                ContinuaFuncaoSiTefInterativo(&Comando, &TipoCampo, &Minimo, &Maximo, Buffer,
                                              sizeof Buffer, Passo % 3 == 1 ? 1 : 0);
        }
        FinalizaTransacaoSiTefInterativo(1, "1", "20261208", "120000");
    }
    return 0;
}
