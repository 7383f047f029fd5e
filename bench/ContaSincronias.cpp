// Preloaded into a benchmark (LD_PRELOAD) to count its fsync and fdatasync
// calls, SQLite's included, without tracing it: the timing stays that of
// the untraced work, and no tracer needs installing or ptrace allowing.
// The benchmark reads the count through SincroniasContadas, found with
// dlsym; without the preload it finds none and says so.
#include <atomic>
#include <dlfcn.h>

namespace {

std::atomic<long> Contadas{0};

template <typename Funcao> Funcao Seguinte(const char* Nome) {
    return reinterpret_cast<Funcao>(::dlsym(RTLD_NEXT, Nome));
}

} // namespace

extern "C" {

long SincroniasContadas() {
    return Contadas.load();
}

int fsync(int Descritor) {
    static const auto Original = Seguinte<int (*)(int)>("fsync");
    ++Contadas;
    return Original(Descritor);
}

int fdatasync(int Descritor) {
    static const auto Original = Seguinte<int (*)(int)>("fdatasync");
    ++Contadas;
    return Original(Descritor);
}
}
