#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>
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

std::vector<std::string> Lineas(const std::string& texto) {
    std::vector<std::string> v;
    size_t inicio = 0;
    for (size_t fin; (fin = texto.find("\r\n", inicio)) != std::string::npos; inicio = fin + 2)
        v.push_back(texto.substr(inicio, fin - inicio));
    v.push_back(texto.substr(inicio));
    return v;
}

TEST(Escrutinio, WorkedExampleReportLineByLine) {
    const auto r = Escrutar(Tabla({"12345", "99345", "12340"}), 3, Ganador("12345"), kTodas);
    const std::vector<std::string> esperado = {
        "Escrutado sobre 5 dígitos SIN orden:", "5 Aciertos: 1", "4 Aciertos: 1", "3 Aciertos: 1",
        "2 Aciertos: 0", "1 Aciertos: 0", "0 Aciertos: 0", "========================",
        "Escrutado sobre 5 dígitos CON orden:", "Número completo : 1", "4 últimas cifras: 0",
        "3 últimas cifras: 1", "2 últimas cifras: 0", "Terminación     : 0"};
    const std::string informe = InformeEscrutinio(r);
    EXPECT_EQ(Lineas(informe), esperado);
    EXPECT_NE(informe.substr(informe.size() - 2), "\r\n");
}

TEST(Escrutinio, EmptyListReportsFourteenLinesOfZeros) {
    const auto r = Escrutar(TablaNumeros(), 0, Ganador("12345"), kTodas);
    const auto lineas = Lineas(InformeEscrutinio(r));
    ASSERT_EQ(lineas.size(), 14u);
    EXPECT_EQ(lineas[0], "Escrutado sobre 5 dígitos SIN orden:");
    for (int l : {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13}) EXPECT_EQ(lineas[l].back(), '0') << lineas[l];
}

TEST(Escrutinio, PositionsChoiceOnlyAffectsHitsByPosition) {
    const auto lista = Tabla({"12345", "12340", "92345", "00000"});
    const auto todas = Escrutar(lista, 4, Ganador("12345"), kTodas);
    // 12340 matches positions 1..4: four hits by position, no trailing run.
    EXPECT_EQ(todas.AciertosSinOrden[4], 2);  // 12340 and 92345
    EXPECT_EQ(todas.AciertosConOrden[0], 2);  // 12340 and 00000
    EXPECT_EQ(todas.AciertosConOrden[4], 1);  // 92345
    EXPECT_EQ(todas.AciertosConOrden[5], 1);

    const auto ninguna = Escrutar(lista, 4, Ganador("12345"), PosicionesElegidas{});
    EXPECT_EQ(ninguna.elegidas, 0);
    EXPECT_EQ(ninguna.AciertosSinOrden[0], 4);
    EXPECT_EQ(ninguna.AciertosConOrden, todas.AciertosConOrden);
    EXPECT_EQ(Lineas(InformeEscrutinio(ninguna))[0], "Escrutado sobre 0 dígitos SIN orden:");

    // Without the units, 92345 keeps 3 hits; 12340 keeps its 4.
    const auto sinUnidades = Escrutar(lista, 4, Ganador("12345"), {true, true, true, true, false});
    EXPECT_EQ(sinUnidades.elegidas, 4);
    EXPECT_EQ(sinUnidades.AciertosSinOrden[4], 2);  // 12345 and 12340
    EXPECT_EQ(sinUnidades.AciertosSinOrden[3], 1);
    EXPECT_EQ(sinUnidades.AciertosSinOrden[5], 0);
    EXPECT_EQ(sinUnidades.AciertosConOrden, todas.AciertosConOrden);
}

TEST(Escrutinio, WinningZerosAgainstZeros) {
    const auto r = Escrutar(Tabla({"00000"}), 1, Ganador("00000"), {true, false, true, false, false});
    EXPECT_EQ(r.AciertosSinOrden[2], 1);
    EXPECT_EQ(r.AciertosConOrden[5], 1);
    EXPECT_EQ(Lineas(InformeEscrutinio(r))[9], "Número completo : 1");
}

// Digits read from an integer: a formulation apart from the cell tables.
TEST(Escrutinio, MatchesArithmeticCountOnRandomLists) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> numero(0, 99999);
    for (int vuelta = 0; vuelta < 20; ++vuelta) {
        const int ganador = numero(gen);
        std::vector<std::string> textos;
        std::vector<int> valores;
        for (int i = 0; i < 300; ++i) {
            // Many near the winner, so that long trailing runs occur.
            int v = numero(gen);
            if (i % 3 == 0) v = (v / 1000) * 1000 + ganador % 1000;
            valores.push_back(v);
            char s[6];
            std::snprintf(s, sizeof s, "%05d", v);
            textos.emplace_back(s);
        }
        char g[6];
        std::snprintf(g, sizeof g, "%05d", ganador);
        PosicionesElegidas elegidas{};
        for (int p = 0; p < 5; ++p) elegidas[p] = (vuelta >> p) & 1;
        const auto r = Escrutar(Tabla(textos), 300, Ganador(g), elegidas);

        std::array<int32_t, 6> sin{}, con{};
        for (int v : valores) {
            int k = 0, d = 1;
            for (int p = 5; p >= 1; --p, d *= 10)
                if (elegidas[p - 1] && (v / d) % 10 == (ganador / d) % 10) ++k;
            ++sin[k];
            int largo = 0;
            for (int m = 10; largo < 5 && v % m == ganador % m; m *= 10) ++largo;
            ++con[largo];
        }
        EXPECT_EQ(r.AciertosSinOrden, sin) << vuelta;
        EXPECT_EQ(r.AciertosConOrden, con) << vuelta;
    }
}

TEST(Escrutinio, YieldsBeforeEveryTenThousandthNumberAndReadsOnlyExistingRows) {
    std::vector<std::string> muchos(25000, "55555");
    const auto lista = Tabla(muchos);
    int cesiones = 0;
    const Cesion contar([&cesiones] { ++cesiones; });
    auto r = Escrutar(lista, 25000, Ganador("55555"), kTodas, contar);
    EXPECT_EQ(cesiones, 2);
    EXPECT_EQ(r.AciertosConOrden[5], 25000);
    cesiones = 0;
    Escrutar(lista, 9999, Ganador("55555"), kTodas, contar);
    EXPECT_EQ(cesiones, 0);
    // A count beyond the table's rows counts only the rows there are.
    r = Escrutar(Tabla({"55555", "55550"}), 10, Ganador("55555"), kTodas);
    EXPECT_EQ(r.AciertosSinOrden[5] + r.AciertosSinOrden[4], 2);
}

TEST(Escrutinio, LoadersKeepOrderAndRepeatsAndCutAtTheSource) {
    const auto lectura = LeerTextoNumeros("11111\n98765\n11111\n11111\n", kLecturaEscrutinio);
    ASSERT_TRUE(lectura.Correcta());
    TablaNumeros destino;
    EXPECT_EQ(CargarDesdeLectura(lectura, lectura.total, destino), 4);
    EXPECT_EQ(destino, Tabla({"11111", "98765", "11111", "11111"}));
    const auto r = Escrutar(destino, 4, Ganador("11111"), kTodas);
    EXPECT_EQ(r.AciertosConOrden[5], 3);

    const auto resultado = Tabla({"01234", "56789"});
    EXPECT_EQ(CargarDesdeResultado(resultado, 1, destino), 1);
    EXPECT_EQ(destino, Tabla({"01234"}));
    EXPECT_EQ(CargarDesdeResultado(resultado, 7, destino), 2);
    EXPECT_EQ(destino, resultado);
    EXPECT_EQ(CargarDesdeLectura(lectura, 0, destino), 0);
    EXPECT_EQ(destino.Filas(), 0);
}

TEST(Escrutinio, BlocksOfSix) {
    EXPECT_EQ(NumeroBloques(0), 0);
    EXPECT_EQ(NumeroBloques(6), 1);
    EXPECT_EQ(NumeroBloques(7), 2);
    EXPECT_EQ(NumeroBloques(14), 3);
    const auto ultimo = CalcularBloque(3, 14);
    EXPECT_EQ(ultimo.desplazamiento, 12);
    EXPECT_EQ(ultimo.mostrados, 2);
    EXPECT_TRUE(ultimo.limpiar);
    const auto lleno = CalcularBloque(1, 6);
    EXPECT_EQ(lleno.mostrados, 6);
    EXPECT_FALSE(lleno.limpiar);
    EXPECT_EQ(CalcularBloque(1, 0).mostrados, 0);
    EXPECT_EQ(CalcularBloque(0, 0).mostrados, 0);  // never a row before the first
}

}  // namespace
