// "Calcular" conditioning on the full grid (all 50 cells, 2,118,760
// candidates) with all eight filters ticked and set the way a player would,
// and with every group, block and reserve group filled.
#include <benchmark/benchmark.h>

#include <initializer_list>
#include <string>

#include "condicionar.h"
#include "generacion.h"

namespace {

void Celdas(Matriz<uint8_t>& m, int fila, std::initializer_list<int> digitos, std::initializer_list<int> posiciones) {
    for (int p : posiciones)
        for (int d : digitos) m(fila, CasillaDeDigito(static_cast<uint8_t>(d), static_cast<int16_t>(p))) = 1;
}
void Permitir(Matriz<uint8_t>& m, int fila, std::initializer_list<int> cuentas) {
    for (int c : cuentas) m(fila, c) = 1;
}

AjustesFiltros AjustesRealistas() {
    AjustesFiltros a;
    // Groups of low, high and middle digits.
    Celdas(a.NumerosGrupo, 1, {0, 1, 2}, {1, 2, 3, 4, 5});
    Permitir(a.AciertosGrupo, 1, {1, 2, 3});
    Celdas(a.NumerosGrupo, 2, {7, 8, 9}, {1, 2, 3, 4, 5});
    Permitir(a.AciertosGrupo, 2, {0, 1, 2});
    Celdas(a.NumerosGrupo, 3, {5}, {1, 2, 3, 4, 5});
    Permitir(a.AciertosGrupo, 3, {0, 1});
    Celdas(a.NumerosGrupo, 4, {3, 4}, {2, 4});
    Permitir(a.AciertosGrupo, 4, {0, 1});
    for (int j : {1, 2, 3, 4}) a.ParesActivos[j] = 1;
    for (int j : {1, 2, 3}) a.NumerosSeguidos[j] = 1;
    for (int f : {3, 4, 5, 6, 7}) a.FigurasSeguidos[f] = 1;
    a.SumaMinima[1] = 12;
    a.SumaMaxima[1] = 20;
    a.SumaMinima[2] = 21;
    a.SumaMaxima[2] = 33;
    for (int j : {0, 1, 2}) a.TerminadosEn(0, j) = a.TerminadosEn(9, j) = 1;
    for (int f : {4, 5, 6, 7}) a.FigurasTerminaciones[f] = 1;
    a.SumaTerminacionesMinimo = 10;
    a.SumaTerminacionesMaximo = 38;
    // Block 1: three subgroups, two conditions; block 2: two subgroups, one condition.
    Celdas(a.NumerosSubgrupo, 1, {0, 1, 2, 3}, {1, 2});
    Celdas(a.NumerosSubgrupo, 2, {4, 5, 6}, {3, 4, 5});
    Celdas(a.NumerosSubgrupo, 3, {7, 8, 9}, {1, 3, 5});
    Permitir(a.AciertosCondicion, 1, {1, 2, 3});
    Permitir(a.AciertosCondicion, 2, {0, 1, 2});
    Celdas(a.NumerosSubgrupo, 7, {0, 2, 4, 6, 8}, {1, 5});
    Celdas(a.NumerosSubgrupo, 8, {1, 3, 5, 7, 9}, {2, 3, 4});
    Permitir(a.AciertosCondicion, 7, {0, 1, 2});
    for (int d = 0; d <= 7; ++d) a.NumerosPosiciones[CasillaDeDigito(static_cast<uint8_t>(d), 1)] = 1;
    for (int d = 1; d <= 9; ++d) a.NumerosPosiciones[CasillaDeDigito(static_cast<uint8_t>(d), 5)] = 1;
    // Reserve A: six groups, one to three of them hit; reserve B: four groups, at most two hit.
    for (int g = 1; g <= 10; ++g) {
        a.IdGrupoReserva[g] = g <= 6 ? 1 : 2;
        Celdas(a.NumerosGrupoReserva, g, {g % 10, (g + 3) % 10}, {1 + g % 5, 1 + (g + 2) % 5});
        Permitir(a.AciertosGrupoReserva, g, {1, 2});
    }
    for (int j : {1, 2, 3}) a.AciertosReserva(1, j) = 1;
    for (int j : {0, 1, 2}) a.AciertosReserva(2, j) = 1;
    return a;
}

// Cells of group g spread over the grid by the given strides.
void Dispersas(Matriz<uint8_t>& m, int g, std::initializer_list<int> pasos) {
    for (int k : pasos) m(g, (g * k + k) % kCasillas + 1) = 1;
}

// The realistic settings with all 360 groups, all 60 blocks of six
// subgroups and six conditions, and all 360 reserve groups filled.
AjustesFiltros AjustesDensos() {
    AjustesFiltros a = AjustesRealistas();
    for (auto* m : {&a.NumerosGrupo, &a.AciertosGrupo, &a.NumerosSubgrupo, &a.AciertosCondicion,
                    &a.NumerosGrupoReserva, &a.AciertosGrupoReserva, &a.AciertosReserva})
        m->Rellenar(0);
    for (int g = 1; g <= kNumGrupos; ++g) {
        Dispersas(a.NumerosGrupo, g, {7, 13, 29});
        Permitir(a.AciertosGrupo, g, {0, 1, 2});
        Dispersas(a.NumerosSubgrupo, g, {3, 11, 17, 23, 31, 37});
        if (g % 6 == 0)
            Permitir(a.AciertosCondicion, g, {1, 2, 3});
        else
            Permitir(a.AciertosCondicion, g, {0, 1, 2});
        a.IdGrupoReserva[g] = static_cast<uint8_t>(1 + g % kNumReservas);
        Dispersas(a.NumerosGrupoReserva, g, {19, 41, 43});
        Permitir(a.AciertosGrupoReserva, g, {0, 1});
    }
    for (int r = 1; r <= kNumReservas; ++r)
        for (int j = 38; j <= kMaxAciertosReserva; ++j) a.AciertosReserva(r, j) = 1;
    return a;
}

void BM_CondicionarRejillaCompleta(benchmark::State& state) {
    RejillaBase rejilla;
    for (int c = 1; c <= kCasillas; ++c) rejilla.Fijar(static_cast<Casilla>(c), true);
    const AjustesFiltros ajustes = state.range(1) != 0 ? AjustesDensos() : AjustesRealistas();
    FiltrosMarcados marcados{};
    for (int i = kFiltroGrupos; i <= kFiltroGruposEnReservas; ++i) marcados[i] = state.range(0) != 0;
    int64_t cesiones = 0;
    const Cesion ceder([&] { ++cesiones; });
    TablasSesion tablas;
    ResultadoCondicionar res;
    for (auto _ : state) {
        res = CondicionarBase(tablas, rejilla, ajustes, marcados, true, {}, ceder);
        benchmark::DoNotOptimize(tablas.gElementosApuesta.Filas());
    }
    state.counters["candidatos"] = res.candidatos;
    state.counters["condicionados"] = res.condicionados;
    for (int i = kFiltroGrupos; i <= kFiltroGruposEnReservas; ++i)
        state.counters["f" + std::to_string(i)] = res.EliminadasFiltro[i];
}
BENCHMARK(BM_CondicionarRejillaCompleta)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->ArgNames({"filtros", "densos"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
