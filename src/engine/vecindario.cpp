#include "vecindario.h"

#include <array>

#include "modelo.h"
#include "reduccion_entradas.h"

namespace {

// C(x, k) for x <= 50, k <= 5, exact.
using TablaBinomios = std::array<std::array<int32_t, kPosiciones + 1>, kCasillas + 1>;
constexpr TablaBinomios ConstruirBinomios() {
    TablaBinomios t{};
    for (int x = 0; x <= kCasillas; ++x) {
        t[x][0] = 1;
        for (int k = 1; k <= kPosiciones; ++k) t[x][k] = x == 0 ? 0 : t[x - 1][k - 1] + t[x - 1][k];
    }
    return t;
}
constexpr TablaBinomios kBinomios = ConstruirBinomios();

}  // namespace

void VecindarioApuestas::Construir(const TablasReduccion& tablas, int m) {
    patrones_.clear();
    for (uint32_t p = 0; p < 32; ++p)
        if (std::popcount(p) == m) patrones_.push_back(p);
    porApuesta_ = static_cast<int>(patrones_.size());

    const int32_t n = tablas.NumApuestas();
    const int N = tablas.NumElementos();
    const int32_t numGrupos = kBinomios[static_cast<size_t>(N)][static_cast<size_t>(m)];

    // Colex rank of each subset: sum of C(a_i, i + 1) over its zero-based
    // ascending elements a_0 < a_1 < ...
    grupos_.assign((static_cast<size_t>(n) + 1) * static_cast<size_t>(porApuesta_), 0);
    inicio_.assign(static_cast<size_t>(numGrupos) + 1, 0);
    for (int32_t j = 1; j <= n; ++j) {
        const uint8_t* e = tablas.Elementos(j);
        int32_t* suyos = &grupos_[static_cast<size_t>(j) * porApuesta_];
        for (int t = 0; t < porApuesta_; ++t) {
            int32_t rango = 0;
            int i = 0;
            for (int p = 0; p < kPosiciones; ++p)
                if (patrones_[static_cast<size_t>(t)] & (1u << p)) {
                    ++i;
                    rango += kBinomios[static_cast<size_t>(e[p] - 1)][static_cast<size_t>(i)];
                }
            suyos[t] = rango;
            ++inicio_[static_cast<size_t>(rango) + 1];
        }
    }
    for (size_t g = 1; g < inicio_.size(); ++g) inicio_[g] += inicio_[g - 1];
    miembros_.assign(static_cast<size_t>(inicio_.back()), 0);
    std::vector<int32_t> siguiente(inicio_.begin(), inicio_.end() - 1);
    for (int32_t j = 1; j <= n; ++j) {
        const int32_t* suyos = Grupos(j);
        for (int t = 0; t < porApuesta_; ++t) miembros_[static_cast<size_t>(siguiente[static_cast<size_t>(suyos[t])]++)] = j;
    }
}
