// Reductions over the full base of 100,000 numbers (all 50 cells) and over a
// 24-cell base, the exact-bets fill, and the peak memory of the process.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ajuste_apuestas.h"
#include "aleatorio.h"
#include "controlador_reduccion.h"
#include "reduccion_entradas.h"
#include "sesion.h"

namespace {

class SinVentana : public ObservadorReduccion {
public:
    void MostrarTipo(const std::string&) override {}
    void MostrarCiclo(const std::string&) override {}
    void MostrarNumeros(int32_t, const std::string&) override {}
    void MostrarProgreso(int) override {}
    void MostrarReducidas(int32_t) override {}
    void EmpezarAjuste(const std::string&) override {}
};

// Every number whose digit at position p is among the first cuantos[p] digits.
TablasSesion Base(const std::array<int, 5>& cuantos) {
    TablasSesion t;
    int N = 0;
    for (int c : cuantos) N += c;
    t.gNumElementos = static_cast<int16_t>(N);
    t.gValorElemento.Redimensionar(1, N);
    int e = 0;
    std::array<int, 5> base{};
    for (int p = 0; p < 5; ++p) {
        base[static_cast<size_t>(p)] = e;
        for (int d = 0; d < cuantos[static_cast<size_t>(p)]; ++d)
            t.gValorElemento[++e] = CasillaDeDigito(static_cast<uint8_t>(d), static_cast<int16_t>(p + 1));
    }
    int32_t n = 1;
    for (int c : cuantos) n *= c;
    t.gElementosApuesta.Redimensionar(n);
    int32_t j = 0;
    std::array<int, 5> i{};
    for (i[0] = 0; i[0] < cuantos[0]; ++i[0])
        for (i[1] = 0; i[1] < cuantos[1]; ++i[1])
            for (i[2] = 0; i[2] < cuantos[2]; ++i[2])
                for (i[3] = 0; i[3] < cuantos[3]; ++i[3])
                    for (i[4] = 0; i[4] < cuantos[4]; ++i[4]) {
                        ++j;
                        for (int p = 0; p < 5; ++p)
                            t.gElementosApuesta(j, p + 1) = static_cast<uint8_t>(base[static_cast<size_t>(p)] + i[static_cast<size_t>(p)] + 1);
                    }
    t.gNumCombinaciones = static_cast<int32_t>(NumCombinaciones(t.gNumElementos, 5));
    t.gTodasValidas = false;
    return t;
}

const TablasSesion& BaseCompleta() {
    static const TablasSesion t = Base({10, 10, 10, 10, 10});
    return t;
}

void PicoMemoria(benchmark::State& state) {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    state.counters["pico_MB"] = static_cast<double>(uso.ru_maxrss) / 1024.0;
}

// A yield like the window's: reads a clock and would run the event loop every 15 ms.
Cesion CesionConReloj() {
    auto ultimo = std::make_shared<std::chrono::steady_clock::time_point>(std::chrono::steady_clock::now());
    return Cesion([ultimo] {
        const auto ahora = std::chrono::steady_clock::now();
        if (ahora - *ultimo >= std::chrono::milliseconds(15)) *ultimo = ahora;
    });
}

void Reducir(benchmark::State& state, const TablasSesion& base, const OpcionesReduccion& opciones,
             const Cesion& ceder = Cesion()) {
    SinVentana ventana;
    int32_t reducidas = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TablasSesion t = base;
        FuenteAleatoria f;
        TablasReduccion entradas;
        entradas.Construir(t, opciones.tipo);
        state.ResumeTiming();
        ControladorReduccion controlador(t, entradas, f);
        controlador.Ejecutar(opciones, ventana, ceder);
        reducidas = t.gResultado.Filas();
    }
    state.counters["reducidas"] = reducidas;
    PicoMemoria(state);
}

void BM_ConstruirEntradas(benchmark::State& state) {
    for (auto _ : state) {
        TablasReduccion entradas;
        benchmark::DoNotOptimize(entradas.Construir(BaseCompleta(), static_cast<int>(state.range(0))));
    }
    PicoMemoria(state);
}
BENCHMARK(BM_ConstruirEntradas)->Arg(kTipoReduccion4)->Arg(kTipoReduccion2)->Unit(benchmark::kMillisecond);

void BM_Cobertura4_BaseCompleta(benchmark::State& state) {
    OpcionesReduccion o;
    o.tipo = kTipoReduccion4;
    Reducir(state, BaseCompleta(), o);
}
BENCHMARK(BM_Cobertura4_BaseCompleta)->Unit(benchmark::kMillisecond);

void BM_Cobertura3_24Celdas(benchmark::State& state) {
    static const TablasSesion base = Base({5, 5, 5, 5, 4});
    OpcionesReduccion o;
    o.tipo = kTipoReduccion3;
    Reducir(state, base, o);
}
BENCHMARK(BM_Cobertura3_24Celdas)->Unit(benchmark::kMillisecond);

// The same with a yield that reads the clock: 10626 yields per pick.
void BM_Cobertura3_24Celdas_ConCesion(benchmark::State& state) {
    static const TablasSesion base = Base({5, 5, 5, 5, 4});
    OpcionesReduccion o;
    o.tipo = kTipoReduccion3;
    Reducir(state, base, o, CesionConReloj());
}
BENCHMARK(BM_Cobertura3_24Celdas_ConCesion)->Unit(benchmark::kMillisecond);

// Types "3 (n-2)" and "2 (n-3)" over 50 cells, first fit (100 %) and the
// percentage method (80 %).
void BM_Secuencial_BaseCompleta(benchmark::State& state) {
    OpcionesReduccion o;
    o.tipo = static_cast<int>(state.range(0));
    o.porcentaje = std::to_string(state.range(1));
    Reducir(state, BaseCompleta(), o);
}
BENCHMARK(BM_Secuencial_BaseCompleta)
    ->Args({kTipoReduccion3, 100})
    ->Args({kTipoReduccion3, 80})
    ->Args({kTipoReduccion2, 100})
    ->Args({kTipoReduccion2, 80})
    ->Unit(benchmark::kMillisecond);

// One conditioned number kept out of the full base, filled to 1000.
void BM_AjusteRelleno(benchmark::State& state) {
    SinVentana ventana;
    ProgresoReduccion progreso;
    for (auto _ : state) {
        state.PauseTiming();
        TablasSesion t = BaseCompleta();
        t.gResultado.Redimensionar(1);
        for (int p = 1; p <= 5; ++p) t.gResultado(1, p) = t.gValorElemento[t.gElementosApuesta(1, p)];
        FuenteAleatoria f;
        state.ResumeTiming();
        AjustarApuestas(t, 1000, false, f, Cesion(), progreso, ventana);
        benchmark::DoNotOptimize(t.gResultado.Filas());
    }
    PicoMemoria(state);
}
BENCHMARK(BM_AjusteRelleno)->Unit(benchmark::kMillisecond);

}  // namespace
