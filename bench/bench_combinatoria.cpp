#include <benchmark/benchmark.h>

#include <array>

#include "modelo.h"

// Both directions over every index of the 5-of-50 space, as an import of the
// largest file does.
static void BM_RangoYDesrangoCompleto(benchmark::State& state) {
    std::array<uint8_t, 5> comb{};
    for (auto _ : state) {
        int64_t suma = 0;
        for (int32_t i = 1; i <= kMaxCombinaciones; ++i) {
            CombinacionDeIndice(i, 5, 50, comb);
            suma += IndiceDeCombinacion(5, 50, comb);
        }
        benchmark::DoNotOptimize(suma);
    }
}
BENCHMARK(BM_RangoYDesrangoCompleto)->Unit(benchmark::kMillisecond);

static void BM_SoloDesrango(benchmark::State& state) {
    std::array<uint8_t, 5> comb{};
    for (auto _ : state) {
        for (int32_t i = 1; i <= kMaxCombinaciones; ++i) {
            CombinacionDeIndice(i, 5, 50, comb);
            benchmark::DoNotOptimize(comb);
        }
    }
}
BENCHMARK(BM_SoloDesrango)->Unit(benchmark::kMillisecond);
