// Hit counts and the blocks of six are rows of tests/data/funciones.txt, the
// report text is tests/data/informe_escrutinio.txt.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "escrutinio.h"

#include "ayuda_tablas.h"

using prueba::Tabla;

namespace {

NumeroGanador Ganador(const char* s) {
    NumeroGanador g{};
    for (int p = 0; p < 5; ++p) g[p] = static_cast<uint8_t>(s[p] - '0');
    return g;
}

constexpr PosicionesElegidas kTodas{true, true, true, true, true};

TEST(Escrutinio, InformeLineaALinea) {
    EXPECT_EQ(InformeEscrutinio(Escrutar(Tabla({"12345", "99345", "12340"}), 3, Ganador("12345"), kTodas)),
              prueba::Dato("informe_escrutinio.txt"));
    const auto ninguna = Escrutar(Tabla({"12345"}), 1, Ganador("12345"), PosicionesElegidas{});
    EXPECT_EQ(InformeEscrutinio(ninguna).rfind("Escrutado sobre 0 dígitos SIN orden:\r\n", 0), 0u);
}

TEST(Escrutinio, CedeCadaDiezMilYSoloLeeLasFilasQueHay) {
    const auto lista = Tabla(std::vector<std::string>(25000, "55555"));
    int cesiones = 0;
    const Cesion contar([&cesiones] { ++cesiones; });
    auto r = Escrutar(lista, 25000, Ganador("55555"), kTodas, contar);
    EXPECT_EQ(cesiones, 2);
    EXPECT_EQ(r.AciertosConOrden[5], 25000);
    Escrutar(lista, 9999, Ganador("55555"), kTodas, contar);
    EXPECT_EQ(cesiones, 2);
    r = Escrutar(Tabla({"55555", "55550"}), 10, Ganador("55555"), kTodas);
    EXPECT_EQ(r.AciertosSinOrden[5] + r.AciertosSinOrden[4], 2);
}

TEST(Escrutinio, CargasConservanOrdenYRepetidosYCortanEnElOrigen) {
    const auto lectura = LeerTextoNumeros("11111\n98765\n11111\n11111\n", kLecturaEscrutinio);
    TablaNumeros destino;
    EXPECT_EQ(CargarDesdeLectura(lectura, lectura.total, destino), 4);
    EXPECT_EQ(destino, Tabla({"11111", "98765", "11111", "11111"}));
    const auto resultado = Tabla({"01234", "56789"});
    EXPECT_EQ(CargarDesdeResultado(resultado, 1, destino), 1);
    EXPECT_EQ(destino, Tabla({"01234"}));
    EXPECT_EQ(CargarDesdeResultado(resultado, 7, destino), 2);
    EXPECT_EQ(destino, resultado);
    EXPECT_EQ(CargarDesdeLectura(lectura, 0, destino), 0);
    EXPECT_EQ(destino.Filas(), 0);
}

}  // namespace
