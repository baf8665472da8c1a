#pragma once
// The program's one pseudo-random source. Reset followed by a seed always
// gives the same sequence, so shuffles without the random switch repeat.
#include <cstdint>
#include <random>

class FuenteAleatoria {
public:
    FuenteAleatoria() { Reiniciar(); }

    // Back to the fixed starting state.
    void Reiniciar();
    // Seeds from a number; after Reiniciar the same n always gives the same values.
    void Sembrar(double n);
    // Seeds from the clock: a different sequence every run.
    void SembrarConReloj();
    // Uniform in [0, 1); never 1.
    double Siguiente();

private:
    uint64_t estado_ = 0;
    std::mt19937_64 motor_;
};
