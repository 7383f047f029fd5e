#pragma once

#include <algorithm>
#include <vector>

// The middle value of a benchmark's runs: one slow run, the machine busy for
// a moment, does not move it.
inline double Mediana(std::vector<double> Valores) {
    std::sort(Valores.begin(), Valores.end());
    return Valores[Valores.size() / 2];
}
