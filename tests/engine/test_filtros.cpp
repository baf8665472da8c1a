#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "ayuda_tablas.h"
#include "filtros.h"
#include "generacion.h"
#include "referencia.h"

namespace {
// The row-by-row rules are slow under the sanitizers: there only every
// third of the ordinary rounds runs.
#ifdef VORTESALIN_SANITIZADO
constexpr int kPasoRondas = 3;
#else
constexpr int kPasoRondas = 1;
#endif

// Settings drawn at random, sparse enough that most filters keep some
// numbers; entries of 2 test that only a 1 allows and only a 0 rejects.
// Dense settings fill all 360 groups, all 60 blocks and all 360 reserve
// groups, with hit rows that seldom reject few hits, so that numbers survive.
AjustesFiltros AjustesAlAzar(prueba::Azar& azar, bool densos) {
    AjustesFiltros a;
    auto valor = [&](int porcentaje) -> uint8_t {
        const int v = azar.Entre(0, 99);
        return v < porcentaje ? 1 : v < porcentaje + 4 ? 2 : 0;
    };
    auto celdas = [&](Matriz<uint8_t>& m, int fila, int porcentaje) {
        for (int c = 1; c <= kCasillas; ++c) m(fila, c) = azar.Si(porcentaje);
    };
    auto fila = [&](uint8_t* f, int n, int porcentaje) {
        for (int j = 0; j < n; ++j) f[j] = valor(porcentaje);
    };
    // Per mil, how often a dense row rejects 0, 1, 2, 3.. hits: groups that
    // miss the grid (0 hits) are never rejected.
    const int rechazo[] = {0, 1, 3, 30, 30, 30};
    for (int i = densos ? kNumGrupos : azar.Entre(0, 3); i > 0; --i) {
        const int g = densos ? i : azar.Entre(1, kNumGrupos);
        celdas(a.NumerosGrupo, g, densos ? 20 : 12);
        for (int j = 0; j <= 5; ++j)
            a.AciertosGrupo(g, j) = !densos ? valor(65) : azar.Entre(0, 999) >= rechazo[j] ? 1 : azar.Entre(0, 1) * 2;
    }
    fila(&a.ParesActivos[0], 6, 55);
    fila(&a.NumerosSeguidos[0], 6, 50);
    fila(&a.FigurasSeguidos[1], 7, 60);
    a.SeguidosInversos = static_cast<int16_t>(azar.Entre(0, 2));
    // Now and then an interval with a maximum of 0: on, and holding no sum.
    for (int i = azar.Entre(0, 2); i > 0; --i) {
        const int n = azar.Entre(1, 10);
        a.SumaMinima[n] = static_cast<int16_t>(azar.Entre(-5, 40));
        a.SumaMaxima[n] = static_cast<int16_t>(azar.Si(10) ? 0 : azar.Entre(5, 50));
    }
    for (int d = 0; d <= 9; ++d)
        if (azar.Si(25)) fila(a.TerminadosEn.Fila(d), 6, 60);
    fila(&a.FigurasTerminaciones[1], 7, 60);
    a.SumaTerminacionesMinimo = static_cast<uint8_t>(azar.Entre(0, 15));
    a.SumaTerminacionesMaximo = static_cast<uint8_t>(azar.Entre(30, 45));
    // Blocks from the first, now and then from the second (the first empty
    // block ends the filter); now and then a gap among the subgroups.
    for (int b = !densos && azar.Si(10) ? 1 : 0, bloques = densos ? 60 : azar.Entre(0, 3); b < bloques; ++b) {
        const int subgrupos = azar.Entre(1, 6);
        for (int s = 1; s <= subgrupos; ++s)
            if (s == 1 || densos || azar.Si(91)) celdas(a.NumerosSubgrupo, b * 6 + s, 15);
        // Dense: conditions that fit the subgroups, on any of the six rows.
        for (int j = densos ? azar.Entre(1, subgrupos) : 6; j > 0; --j)
            if (densos || azar.Si(40)) fila(a.AciertosCondicion.Fila(b * 6 + (densos ? azar.Entre(1, 6) : j)), 6, densos ? 93 : 60);
    }
    for (int c = 1; c <= kCasillas; ++c) a.NumerosPosiciones[c] = azar.Si(12);
    std::array<int, 10> enReserva{};
    for (int i = densos ? kNumGrupos : azar.Entre(0, 29); i > 0; --i) {
        const int g = densos ? i : azar.Entre(1, kNumGrupos);
        a.IdGrupoReserva[g] = static_cast<uint8_t>(azar.Entre(0, 9));  // 0 and 9 belong to no reserve
        ++enReserva[a.IdGrupoReserva[g]];
        celdas(a.NumerosGrupoReserva, g, densos ? 20 : 10);
        fila(a.AciertosGrupoReserva.Fila(g), 7, densos ? 85 : 60);
    }
    // Dense: most of the reserve's groups satisfied, around the counts
    // numbers reach.
    for (int r = 1; r <= kNumReservas; ++r)
        if (azar.Si(densos ? 60 : 35))
            for (int j = densos ? enReserva[r] * 8 / 10 - azar.Entre(0, 2) : 0; j <= kMaxAciertosReserva; ++j)
                a.AciertosReserva(r, j) = j < 8 || densos ? valor(densos ? 75 : 55) : 0;
    return a;
}

}  // namespace

// The fast one-digit check and filters against the row-by-row rules: same
// rows eliminated, same counts, same number of yields, on random grids and
// settings. The check runs first on most grids, now and then with another
// grid than the elements' (it reads the grid) or over rows with repeated
// elements; on the other generated grids the fused generate-and-check runs
// instead and must write the same rows. The filters then run through
// AplicarFiltros, each alone or a random few in a chain.
TEST(Filtros, IgualQueLasReglasFilaAFila) {
    int32_t (*const reglas[])(ref::Contexto&) = {ref::Grupos,        ref::ParesImpares,       ref::Seguidos,
                                                 ref::Sumas,         ref::Terminaciones,      ref::GruposRelacionados,
                                                 ref::Posiciones,    ref::GruposEnReservas};
    const char* const nombres[] = {"Grupos de Números", "Pares e Impares",     "Seguidos",   "Sumas",
                                   "Terminaciones",     "Grupos Relacionados", "Posiciones", "Grupos en Reservas"};
    prueba::Azar azar(31337);
    std::array<int64_t, 8> eliminadasTotales{};
    std::array<int, 8> densosConSupervivientes{};  // dense runs that kept some numbers and not all
    for (int prueba = 0; prueba < 78; ++prueba) {
        // The last twelve draw dense settings over smaller grids.
        const bool densos = prueba >= 66;
        if (!densos && prueba % kPasoRondas != 0) continue;
        const RejillaBase rejilla = prueba::RejillaAlAzar(azar, densos ? 28 : 20 + prueba / 2);
        // Imported numbers too, 14000 of them: the last row yields as well.
        const bool generadas = prueba < 60 || (densos && prueba % 4 < 2);
        TablasSesion t = generadas ? prueba::Generadas(rejilla) : prueba::Importadas(azar, rejilla, densos ? 3000 : 14000);
        if (t.gNumCombinaciones > 30000) continue;
        const bool fundida = prueba % 3 == 0;
        if (!fundida || generadas) {
            TablasSesion c = t, esperado;
            const RejillaBase comprobada = prueba % 6 == 4 ? prueba::RejillaAlAzar(azar, 40) : rejilla;
            for (int i = prueba % 6 == 2 ? c.gNumCombinaciones / 3 : 0; i > 0; --i)
                c.gCombinaciones(azar.Entre(1, c.gNumCombinaciones), 1 + i % 5) = uint8_t(azar.Entre(0, c.gNumElementos));
            for (int i = 0; i < c.gNumCombinaciones / 10; ++i) c.gEliminada[azar.Entre(1, c.gNumCombinaciones)] = 1;
            esperado = c;
            const AjustesFiltros sinAjustes;
            ref::Contexto x{esperado, sinAjustes};
            int cesiones = 0;
            const Cesion contar([&] { ++cesiones; });
            if (fundida) c.gCombinaciones = {};
            ASSERT_EQ(fundida ? GenerarComprobadas(c, comprobada, contar) : FiltrarUnDigitoPorPosicion(c, comprobada, contar),
                      ref::UnDigitoPorPosicion(x, comprobada)) << prueba;
            // The fused run yields every 1000 rows written as well.
            ASSERT_EQ(cesiones, x.cesiones + (fundida ? c.gNumCombinaciones / 1000 : 0)) << prueba;
            ASSERT_EQ(c.gEliminada, esperado.gEliminada) << prueba;
            ASSERT_TRUE(c.gCombinaciones == esperado.gCombinaciones) << prueba;
            if (prueba % 6 != 2) t = c;  // no real base repeats an element in a row
        }
        // Now and then every filter idle: most must not even walk the rows.
        const AjustesFiltros a = !densos && prueba % 5 == 0 ? AjustesFiltros() : AjustesAlAzar(azar, densos);
        std::vector<FiltrosMarcados> pasadas(prueba % 2 == 1 ? 8 : 1);
        for (int f = 0; f < 8; ++f) pasadas[prueba % 2 == 1 ? f : 0][f + 3] = prueba % 2 == 1 || azar.Si(80);
        for (const FiltrosMarcados& marcados : pasadas) {
            TablasSesion rapidas = t, esperado = t;
            ref::Contexto x{esperado, a};
            EliminadasPorFiltro cuentas, esperadas{};
            std::vector<std::string> titulos, esperados;
            for (int f = 0; f < 8; ++f) {
                if (!marcados[f + 3]) continue;
                const auto vivas = std::count(esperado.gEliminada.Datos() + 2,
                                              esperado.gEliminada.Datos() + esperado.gEliminada.Tamano(), uint8_t{0});
                const int32_t n = esperadas[f + 3] = reglas[f](x);
                if (densos && n > 0 && n < vivas) ++densosConSupervivientes[f];
                eliminadasTotales[f] += n;
                esperados.push_back(std::string("Filtrando ... ") + nombres[f]);
            }
            int cesiones = 0;
            cuentas.fill(-1);
            const int32_t total = AplicarFiltros(rapidas, a, marcados, cuentas,
                                                 [&](std::string_view s) { titulos.emplace_back(s); },
                                                 Cesion([&] { ++cesiones; }));
            ASSERT_EQ(titulos, esperados) << prueba;
            ASSERT_EQ(cuentas, esperadas) << prueba;
            ASSERT_EQ(total, std::accumulate(esperadas.begin(), esperadas.end(), 0)) << prueba;
            ASSERT_EQ(cesiones, x.cesiones) << prueba;
            ASSERT_EQ(rapidas.gEliminada, esperado.gEliminada) << prueba;
        }
    }
    // Every filter did eliminate something somewhere, so the comparison had teeth.
    for (int f = 0; f < 8; ++f) EXPECT_GT(eliminadasTotales[f], 0) << f + 3;
    // The dense group filters eliminated some numbers and kept others.
    for (int f : {0, 5, 7}) EXPECT_GE(densosConSupervivientes[f], 3) << f + 3;
}
