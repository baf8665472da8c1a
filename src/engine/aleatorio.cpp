#include "aleatorio.h"

#include <bit>
#include <chrono>

namespace {
constexpr uint64_t kEstadoInicial = 0x5EED0F1A2B3C4D5EULL;

uint64_t Mezclar(uint64_t x) {  // splitmix64 finaliser
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}
}  // namespace

void FuenteAleatoria::Reiniciar() {
    estado_ = kEstadoInicial;
    motor_.seed(estado_);
}

void FuenteAleatoria::Sembrar(double n) {
    estado_ = Mezclar(estado_ ^ std::bit_cast<uint64_t>(n));
    motor_.seed(estado_);
}

void FuenteAleatoria::SembrarConReloj() {
    const auto ahora = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    estado_ = Mezclar(estado_ ^ static_cast<uint64_t>(ahora));
    motor_.seed(estado_);
}

double FuenteAleatoria::Siguiente() {
    // 53 random bits scaled by 2^-53: at most 1 - 2^-53.
    return static_cast<double>(motor_() >> 11) * 0x1.0p-53;
}
