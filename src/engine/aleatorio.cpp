#include "aleatorio.h"

#include <bit>
#include <chrono>

namespace {
constexpr uint64_t kEstadoInicial = 0x5EED0F1A2B3C4D5EULL;

uint64_t SplitMix(uint64_t& x) {
    uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}
}  // namespace

void FuenteAleatoria::Plantar(uint64_t semilla) {
    estado_ = semilla;
    uint64_t x = semilla;
    for (uint64_t& palabra : s_) palabra = SplitMix(x);  // never all zero
}

void FuenteAleatoria::Reiniciar() { Plantar(kEstadoInicial); }

void FuenteAleatoria::Sembrar(double n) {
    uint64_t x = estado_ ^ std::bit_cast<uint64_t>(n);
    Plantar(SplitMix(x));
}

void FuenteAleatoria::SembrarConReloj() {
    uint64_t x = estado_ ^ static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    Plantar(SplitMix(x));
}
