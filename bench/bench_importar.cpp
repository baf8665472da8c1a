// Import of a text file of 2,118,760 numbers, as the main window does it:
// read every line, then remove repeats and sort.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fichero_numeros.h"

namespace {

namespace fs = std::filesystem;

// Writes (once) a file of kMaxCombinaciones numbers in the given form.
const std::string& FicheroDePrueba(bool separado) {
    static std::string rutas[2];
    std::string& ruta = rutas[separado ? 1 : 0];
    if (!ruta.empty()) return ruta;
    const fs::path dir = fs::temp_directory_path() / ("vortesalin_bench_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ruta = (dir / (separado ? "separado.txt" : "compacto.txt")).string();
    std::ofstream f(ruta, std::ios::binary);
    std::string linea;
    uint32_t v = 1;
    for (int32_t i = 0; i < kMaxCombinaciones; ++i) {
        v = (v * 7919 + 13) % 100000;
        linea.clear();
        for (uint32_t divisor = 10000; divisor >= 1; divisor /= 10) {
            linea += static_cast<char>('0' + v / divisor % 10);
            if (separado && divisor > 1) linea += ' ';
        }
        f << linea << "\r\n";
    }
    return ruta;
}

void ImportarPrincipal(benchmark::State& estado) {
    const std::string& ruta = FicheroDePrueba(estado.range(0) != 0);
    int cesiones = 0;
    Cesion ceder([&] { ++cesiones; });
    for (auto _ : estado) {
        LecturaNumeros lectura = LeerFicheroNumeros(ruta, kLecturaPrincipal, ceder, [](int32_t) {});
        TablaNumeros importados;
        const ResultadoRepetidos r = QuitarRepetidosYOrdenar(lectura, importados, ceder);
        if (lectura.total != kMaxCombinaciones || !lectura.limiteAlcanzado) estado.SkipWithError("wrong count");
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(importados.Fila(1));
    }
    estado.counters["numeros"] = kMaxCombinaciones;
}
BENCHMARK(ImportarPrincipal)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void ImportarEscrutinio(benchmark::State& estado) {
    const std::string& ruta = FicheroDePrueba(false);
    for (auto _ : estado) {
        LecturaNumeros lectura = LeerFicheroNumeros(ruta, kLecturaEscrutinio);
        benchmark::DoNotOptimize(lectura.digitos.data());
    }
}
BENCHMARK(ImportarEscrutinio)->Unit(benchmark::kMillisecond);

struct Limpieza {
    ~Limpieza() {
        std::error_code ec;
        fs::remove_all(fs::temp_directory_path() / ("vortesalin_bench_" + std::to_string(::getpid())), ec);
    }
} limpieza;

}  // namespace
