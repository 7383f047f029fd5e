#pragma once

#include <csignal>
#include <sys/resource.h>

// A file-size limit of one byte fails every write as a full disk does.
inline void EncheDisco(bool Cheio) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit Limite{};
    ::getrlimit(RLIMIT_FSIZE, &Limite);
    Limite.rlim_cur = Cheio ? 1 : Limite.rlim_max;
    ::setrlimit(RLIMIT_FSIZE, &Limite);
}
