#include <gtest/gtest.h>

#include <array>

#include "ayuda_tablas.h"
#include "generacion.h"

TEST(Generacion, UnaCuentaViejaNoEscribeFueraDeLaTabla) {
    TablasSesion t;
    t.gNumElementos = 2;
    CargarNumerosSeleccionados(t, prueba::RejillaCon({50, 3, 17, 1}));
    EXPECT_EQ(t.gValorElemento.Superior(), 2);
}

// Rows are every 5-of-N set in lexicographic order, which is the index order
// both ways (12 takes the general path, 50 the fast one); a yield every 1000
// rows.
TEST(Generacion, TodosLosConjuntosEnOrdenDeIndice) {
    for (const auto& [n, filas, cesionesEsperadas] : {std::tuple{12, 792, 0}, std::tuple{50, kMaxCombinaciones, 2118},
                                                      std::tuple{4, 0, 0}}) {
        TablasSesion t;
        t.gNumElementos = static_cast<int16_t>(n);
        int cesiones = 0, fallos = 0;
        ASSERT_EQ(GenerarCombinaciones(t, Cesion([&] { ++cesiones; })), filas);
        EXPECT_EQ(t.gCombinaciones.Filas(), filas);
        EXPECT_EQ(cesiones, cesionesEsperadas);
        std::array<uint8_t, 5> calculada{};
        prueba::ParaCadaCincoDe(n, [&](int32_t r, const std::array<uint8_t, 5>& esperada) {
            CombinacionDeIndice(r, 5, static_cast<int16_t>(n), calculada);
            if (fallos < 5 && (!std::equal(esperada.begin(), esperada.end(), t.gCombinaciones.Fila(r)) ||
                               calculada != esperada || IndiceDeCombinacion(5, static_cast<int16_t>(n), esperada) != r))
                ADD_FAILURE() << "n " << n << " fila " << r << " fallo " << ++fallos;
        });
    }
}

// The fused generate-and-check gives the rows, flags, count and yields of
// generating first and checking after, on grids of every density (a grid
// with a position left empty included).
TEST(Generacion, ComprobarAlGenerarIgualQueDespues) {
    prueba::Azar azar(20261207);
    for (int caso = 0; caso < 40; ++caso) {
        RejillaBase rejilla = prueba::RejillaAlAzar(azar, azar.Entre(10, 60));
        if (caso % 5 == 0)
            for (int d = 0; d < 10; ++d) rejilla.Fijar(CasillaDeDigito(static_cast<uint8_t>(d), 3), false);
        if (rejilla.Contar() < 5) continue;
        TablasSesion dos = prueba::Generadas(rejilla), una;
        int cesionesDos = 0, cesionesUna = 0;
        const int32_t eliminadasDos = FiltrarUnDigitoPorPosicion(dos, rejilla, Cesion([&] { ++cesionesDos; }));
        una.gNumElementos = ContarCasillasSeleccionadas(rejilla);
        CargarNumerosSeleccionados(una, rejilla);
        una.gNumCombinaciones = dos.gNumCombinaciones;
        una.gEliminada.Preparar(una.gNumCombinaciones);
        EXPECT_EQ(GenerarComprobadas(una, rejilla, Cesion([&] { ++cesionesUna; })), eliminadasDos) << caso;
        EXPECT_EQ(cesionesUna, cesionesDos + una.gNumCombinaciones / 1000) << caso;
        ASSERT_EQ(una.gCombinaciones.Filas(), dos.gCombinaciones.Filas());
        int32_t distinta = 0;
        for (int32_t r = 1; r <= una.gNumCombinaciones && distinta == 0; ++r)
            if (una.gEliminada[r] != dos.gEliminada[r] ||
                !std::equal(una.gCombinaciones.Fila(r), una.gCombinaciones.Fila(r) + 5, dos.gCombinaciones.Fila(r)))
                distinta = r;
        EXPECT_EQ(distinta, 0) << caso;
    }
}
