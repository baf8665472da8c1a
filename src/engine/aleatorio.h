#pragma once
// The program's one pseudo-random source. Reset followed by a seed always
// gives the same sequence, so shuffles without the random switch repeat.
#include <array>
#include <cstdint>

class FuenteAleatoria {
public:
    FuenteAleatoria() { Reiniciar(); }

    // Back to the fixed starting state.
    void Reiniciar();
    // Seeds from a number; after Reiniciar the same n always gives the same values.
    void Sembrar(double n);
    // Seeds from the clock: a different sequence every run.
    void SembrarConReloj();

    // Uniform in [0, 1); never 1. Inline: the exact-bets fill draws millions.
    double Siguiente() {
        // xoshiro256+: the top 53 bits scaled by 2^-53 are at most 1 - 2^-53.
        const uint64_t resultado = s_[0] + s_[3];
        const uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = (s_[3] << 45) | (s_[3] >> 19);
        return static_cast<double>(resultado >> 11) * 0x1.0p-53;
    }

private:
    void Plantar(uint64_t semilla);

    uint64_t estado_ = 0;
    std::array<uint64_t, 4> s_{};
};
