#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>

#include "ayuda_tablas.h"
#include "generacion.h"
#include "referencia.h"

namespace {

struct Comprobada {
    int32_t filas = 0, eliminadas = 0, vivas = 0, cesiones = 0;
};
Comprobada Comprobar(const RejillaBase& rejilla) {
    TablasSesion t = prueba::Generadas(rejilla);
    Comprobada c;
    c.filas = t.gNumCombinaciones;
    c.eliminadas = FiltrarUnDigitoPorPosicion(t, rejilla, Cesion([&] { ++c.cesiones; }));
    for (int r = 1; r <= t.gNumCombinaciones; ++r) c.vivas += t.gEliminada[r] == 0;
    return c;
}

}  // namespace

TEST(Generacion, CasillasSeleccionadasEnOrden) {
    const RejillaBase rejilla = prueba::RejillaCon({50, 3, 17, 1});
    EXPECT_EQ(ContarCasillasSeleccionadas(rejilla), 4);
    TablasSesion t;
    t.gNumElementos = 4;
    CargarNumerosSeleccionados(t, rejilla);
    EXPECT_EQ((std::array{t.gValorElemento[1], t.gValorElemento[2], t.gValorElemento[3], t.gValorElemento[4]}),
              (std::array<Casilla, 4>{1, 3, 17, 50}));
    t.gNumElementos = 2;  // a stale count never writes past the table
    CargarNumerosSeleccionados(t, rejilla);
    EXPECT_EQ(t.gValorElemento.Superior(), 2);
}

// Rows follow the 5-of-N index order exactly; a yield every 1000 rows.
TEST(Generacion, TodosLosConjuntosEnOrdenDeIndice) {
    for (const auto& [n, filas, cesionesEsperadas, paso] :
         {std::tuple{7, 21, 0, 1}, std::tuple{50, kMaxCombinaciones, 2118, 4999}, std::tuple{4, 0, 0, 1}}) {
        TablasSesion t;
        t.gNumElementos = static_cast<int16_t>(n);
        int cesiones = 0;
        ASSERT_EQ(GenerarCombinaciones(t, Cesion([&] { ++cesiones; })), filas);
        EXPECT_EQ(t.gCombinaciones.Filas(), filas);
        EXPECT_EQ(cesiones, cesionesEsperadas);
        std::array<uint8_t, 5> comb{};
        for (int32_t r = 1; r <= filas; r += paso) {
            CombinacionDeIndice(r, 5, static_cast<int16_t>(n), comb);
            EXPECT_TRUE(std::equal(comb.begin(), comb.end(), t.gCombinaciones.Fila(r))) << n << " " << r;
        }
    }
}

TEST(ComprobacionUnDigito, CasosLimite) {
    struct Caso {
        std::initializer_list<int> casillas;
        int32_t filas, vivas;
    };
    for (const Caso& caso : {Caso{{1, 12, 23, 34, 45}, 1, 1},                       // one cell per position
                             Caso{{1, 2, 11, 12, 21, 22, 31, 32, 41, 42}, 252, 32},  // two digits per position
                             Caso{{1, 2, 11, 12, 21, 22, 31, 32}, 56, 0},            // a position without cells
                             Caso{{1, 2, 3, 11, 12, 13}, 6, 0}}) {                   // two positions only
        const Comprobada c = Comprobar(prueba::RejillaCon(caso.casillas));
        EXPECT_EQ(c.filas, caso.filas);
        EXPECT_EQ(c.vivas, caso.vivas);
        EXPECT_EQ(c.eliminadas, caso.filas - caso.vivas);
    }
    RejillaBase todas;
    for (int c = 1; c <= kCasillas; ++c) todas.Fijar(static_cast<Casilla>(c), true);
    const Comprobada c = Comprobar(todas);
    EXPECT_EQ(c.filas, 2118760);
    EXPECT_EQ(c.eliminadas, 2018760);
    EXPECT_EQ(c.vivas, 100000);
    EXPECT_EQ(c.cesiones, 5 * 211);  // every 10000 rows, once per position
}

// The fused single visit must agree with one pass per position on varied
// grids, on rows already eliminated, on a grid other than the elements'
// (the check reads the grid), on imported numbers and on rows with repeated
// or missing elements.
TEST(ComprobacionUnDigito, IgualQueLaReglaFilaAFila) {
    std::mt19937 rng(20240611);
    const AjustesFiltros sinAjustes;
    for (int prueba = 0; prueba < 44; ++prueba) {
        const RejillaBase rejilla = prueba::RejillaAlAzar(rng, 0.15 + 0.01 * prueba);
        // Imported numbers too, 20000 of them: the last row yields as well.
        TablasSesion t = prueba < 40 ? prueba::Generadas(rejilla) : prueba::Importadas(rng, rejilla, 20000);
        if (t.gNumCombinaciones > 60000) continue;
        RejillaBase comprobada = rejilla;
        if (prueba % 4 == 1) comprobada = prueba::RejillaAlAzar(rng, 0.4);
        std::uniform_int_distribution<int> fila(1, t.gNumCombinaciones), elemento(0, t.gNumElementos);
        for (int i = 0; i < t.gNumCombinaciones / 10; ++i) t.gEliminada[fila(rng)] = 1;
        if (prueba % 4 == 2)
            for (int i = 0; i < t.gNumCombinaciones / 3; ++i)
                t.gCombinaciones(fila(rng), 1 + i % 5) = static_cast<uint8_t>(elemento(rng));

        TablasSesion esperado = t;
        ref::Contexto x{esperado, sinAjustes};
        const int32_t n = ref::UnDigitoPorPosicion(x, comprobada);
        int cesiones = 0;
        EXPECT_EQ(FiltrarUnDigitoPorPosicion(t, comprobada, Cesion([&] { ++cesiones; })), n) << prueba;
        EXPECT_EQ(cesiones, x.cesiones) << prueba;
        EXPECT_EQ(t.gEliminada, esperado.gEliminada) << prueba;
    }
}
