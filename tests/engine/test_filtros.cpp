#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "ayuda_tablas.h"
#include "filtros.h"
#include "generacion.h"
#include "referencia.h"

// The row-by-row rules are slow under the sanitizers: there only every
// third of the ordinary rounds runs.
#ifdef VORTESALIN_SANITIZADO
constexpr int kPasoRondas = 3;
#else
constexpr int kPasoRondas = 1;
#endif

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
        AjustesFiltros a = !densos && prueba % 5 == 0 ? AjustesFiltros() : prueba::AjustesAlAzar(azar, densos);
        // Now and then the digit counts alone, with no figure and the whole sum range.
        if (prueba % 10 == 3) {
            a.FigurasTerminaciones.Rellenar(0);
            a.SumaTerminacionesMinimo = 0;
            a.SumaTerminacionesMaximo = 45;
        }
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
