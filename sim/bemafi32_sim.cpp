// Stand-in for the fiscal printer library: the station only ends its TEF
// mode after each receipt; the call is recorded in the simulator's journal.

#include "Diario.h"

extern "C" __attribute__((visibility("default"))) int Bematech_FI_FinalizaModoTEF() {
    sim::Registra({{"chamada", "Bematech_FI_FinalizaModoTEF"}, {"resultado", 1}});
    return 1;
}
