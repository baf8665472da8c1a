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

