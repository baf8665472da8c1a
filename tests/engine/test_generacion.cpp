#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <random>

#include "ayuda_tablas.h"
#include "generacion.h"
#include "referencia.h"

namespace {

RejillaBase RejillaCon(std::initializer_list<int> casillas) {
    RejillaBase r;
    for (int c : casillas) r.Fijar(static_cast<Casilla>(c), true);
    return r;
}

struct Comprobada {
    int32_t filas = 0, eliminadas = 0, vivas = 0, cesiones = 0;
};
Comprobada Comprobar(const RejillaBase& rejilla, TablasSesion* salida = nullptr) {
    TablasSesion t = prueba::Generadas(rejilla);
    Comprobada c;
    c.filas = t.gNumCombinaciones;
    c.eliminadas = FiltrarUnDigitoPorPosicion(t, rejilla, Cesion([&] { ++c.cesiones; }));
    for (int r = 1; r <= t.gNumCombinaciones; ++r) c.vivas += t.gEliminada[r] == 0;
    if (salida) *salida = std::move(t);
    return c;
}

}  // namespace

TEST(Generacion, CasillasSeleccionadasEnOrden) {
    const RejillaBase rejilla = RejillaCon({50, 3, 17, 1});
    EXPECT_EQ(ContarCasillasSeleccionadas(rejilla), 4);
    TablasSesion t;
    t.gNumElementos = 4;
    CargarNumerosSeleccionados(t, rejilla);
    ASSERT_EQ(t.gValorElemento.Superior(), 4);
    EXPECT_EQ((std::array{t.gValorElemento[1], t.gValorElemento[2], t.gValorElemento[3], t.gValorElemento[4]}),
              (std::array<Casilla, 4>{1, 3, 17, 50}));
    t.gNumElementos = 2;  // a stale count never writes past the table
    CargarNumerosSeleccionados(t, rejilla);
    EXPECT_EQ(t.gValorElemento.Superior(), 2);
    EXPECT_EQ(t.gValorElemento[2], 3);
}

TEST(Generacion, TodosLosConjuntosEnOrdenLexicografico) {
    TablasSesion t;
    int cesiones = 0;
    t.gNumElementos = 7;
    EXPECT_EQ(GenerarCombinaciones(t, Cesion([&] { ++cesiones; })), 21);
    EXPECT_EQ(cesiones, 0);
    for (int r = 2; r <= 21; ++r) {
        const uint8_t* a = t.gCombinaciones.Fila(r - 1);
        const uint8_t* b = t.gCombinaciones.Fila(r);
        EXPECT_TRUE(std::lexicographical_compare(a, a + 5, b, b + 5)) << r;
        EXPECT_TRUE(b[0] < b[1] && b[1] < b[2] && b[2] < b[3] && b[3] < b[4]) << r;
    }
    EXPECT_EQ(t.gCombinaciones(21, 1), 3);
    EXPECT_EQ(t.gCombinaciones(21, 5), 7);

    t.gNumElementos = 50;  // rows follow the 5-of-50 index order exactly
    EXPECT_EQ(GenerarCombinaciones(t, Cesion([&] { ++cesiones; })), kMaxCombinaciones);
    EXPECT_EQ(cesiones, 2118);
    std::array<uint8_t, 5> comb{};
    for (int32_t r = 1; r <= kMaxCombinaciones; r += 4999) {
        CombinacionDeIndice(r, 5, 50, comb);
        EXPECT_TRUE(std::equal(comb.begin(), comb.end(), t.gCombinaciones.Fila(r))) << r;
    }

    t.gNumElementos = 4;
    EXPECT_EQ(GenerarCombinaciones(t, Cesion()), 0);
    EXPECT_EQ(t.gCombinaciones.Filas(), 0);
}

TEST(ComprobacionUnDigito, CasosLimite) {
    // One cell per position: one row, which survives.
    Comprobada c = Comprobar(RejillaCon({1, 12, 23, 34, 45}));
    EXPECT_EQ(c.filas, 1);
    EXPECT_EQ(c.eliminadas, 0);
    EXPECT_EQ(c.vivas, 1);

    // Two digits per position.
    c = Comprobar(RejillaCon({1, 2, 11, 12, 21, 22, 31, 32, 41, 42}));
    EXPECT_EQ(c.filas, 252);
    EXPECT_EQ(c.eliminadas, 220);
    EXPECT_EQ(c.vivas, 32);

    // A position without cells, or cells in two positions only: nothing survives.
    c = Comprobar(RejillaCon({1, 2, 11, 12, 21, 22, 31, 32}));
    EXPECT_EQ(c.eliminadas, c.filas);
    c = Comprobar(RejillaCon({1, 2, 3, 11, 12, 13}));
    EXPECT_EQ(c.filas, 6);
    EXPECT_EQ(c.eliminadas, 6);
}

TEST(ComprobacionUnDigito, RejillaCompletaDejaCienMilNumeros) {
    RejillaBase todas;
    for (int c = 1; c <= kCasillas; ++c) todas.Fijar(static_cast<Casilla>(c), true);
    TablasSesion t;
    const Comprobada c = Comprobar(todas, &t);
    EXPECT_EQ(c.filas, 2118760);
    EXPECT_EQ(c.eliminadas, 2018760);
    EXPECT_EQ(c.vivas, 100000);
    EXPECT_EQ(c.cesiones, 5 * 211);  // every 10000 rows, once per position
    // The survivors are the 100000 numbers, each once, column p at position p.
    std::bitset<100000> vistos;
    for (int r = 1; r <= c.filas; ++r) {
        if (t.gEliminada[r] != 0) continue;
        int numero = 0;
        for (int p = 1; p <= 5; ++p) {
            const Casilla celda = t.gValorElemento[t.gCombinaciones(r, p)];
            ASSERT_EQ(PosicionDeCasilla(celda), p);
            numero = numero * 10 + DigitoDeCasilla(celda);
        }
        ASSERT_FALSE(vistos[numero]);
        vistos[numero] = true;
    }
    EXPECT_TRUE(vistos.all());
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
