#pragma once

#include "CliSiTef.h"
#include "FAT_DM_TEF_OFFLINE.h"
#include "InterfaceRelatorioQt.h"
#include "OperadorTEFQt.h"
#include "PastaDeTrabalho.h"

#include <QJsonObject>
#include <QList>

#include <memory>

class TForm_Principal;

// The station as main() wires it, on real widgets: the Qt operator, the Qt
// report interface and the TEF data module, in a fresh working folder that
// also holds the configuration and the simulator's journal, from a zeroed
// state. The library is the real binding (the simulator, through
// LD_LIBRARY_PATH) unless a test hands in a scripted one, and so is the
// report interface. Gone, it releases every dialog the station made present.
class TEstacaoReal {
public:
    // The operator counts the pauses instead of sleeping through them.
    class TOperador : public TOperadorTEFQt {
    public:
        int Pausas = 0;
        void Pausa(int Milissegundos) override { Pausas += Milissegundos; }
    };

    explicit TEstacaoReal(TBibliotecaSiTef* Biblioteca = nullptr,
                          TInterfaceRelatorio* Interface = nullptr);
    ~TEstacaoReal();
    TEstacaoReal(const TEstacaoReal&) = delete;
    TEstacaoReal& operator=(const TEstacaoReal&) = delete;

    // The demonstration's configuration (the one the package installs) as
    // the station's configuration file.
    void GravaConfiguracaoDemo() const;
    QString CaminhoDiario() const { return Pasta.Caminho(QStringLiteral("diario.jsonl")); }
    // The main window on this station, shown, once the TEF start it runs
    // after its first paint has ended (a failed test when it never does).
    std::unique_ptr<TForm_Principal> AbreJanela();
    // The simulator's journal lines of the calls named Nome.
    QList<QJsonObject> Chamadas(const char* Nome) const;

    // Also sets the folders the station and the simulator read from the
    // environment, before the library is loaded.
    struct TPasta : TPastaDeTrabalho {
        TPasta();
    };

    TPasta Pasta;
    std::unique_ptr<TCliSiTef> CliSiTef; // none when a scripted library was handed in
    TOperador Operador;
    TLivroTransacoes Livro{TLivroTransacoes::NomePadrao};
    TAmbienteTEF Ambiente;
    TInterfaceRelatorioQt InterfaceQt;
    TDM_TEF Modulo;
};
