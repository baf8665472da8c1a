// Hit counts and the blocks of six are rows of tests/data/funciones.txt.
#include <gtest/gtest.h>

#include <array>
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
    std::string esperado;
    for (const char* linea : {"Escrutado sobre 5 dígitos SIN orden:", "5 Aciertos: 1", "4 Aciertos: 1", "3 Aciertos: 1",
                              "2 Aciertos: 0", "1 Aciertos: 0", "0 Aciertos: 0", "========================",
                              "Escrutado sobre 5 dígitos CON orden:", "Número completo : 1", "4 últimas cifras: 0",
                              "3 últimas cifras: 1", "2 últimas cifras: 0", "Terminación     : 0"})
        esperado += std::string(esperado.empty() ? "" : "\r\n") + linea;
    EXPECT_EQ(InformeEscrutinio(Escrutar(Tabla({"12345", "99345", "12340"}), 3, Ganador("12345"), kTodas)), esperado);
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

TEST(Escrutinio, SinFilasNoSeMuestraNinguna) {
    EXPECT_EQ(CalcularBloque(1, 0).mostrados, 0);
    EXPECT_EQ(CalcularBloque(0, 0).mostrados, 0);  // never a row before the first
}

}  // namespace
