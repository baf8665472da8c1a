#include <gtest/gtest.h>

#include <set>
#include <string>

#include "selector_terminaciones.h"

namespace {

LecturaNumeros Leer(const std::string& texto) { return LeerTextoNumeros(texto, kLecturaSelector); }

// 00000 to 00999, one a line.
LecturaNumeros Mil() {
    std::string s;
    for (int v = 100000; v <= 100999; ++v) s += std::to_string(v).substr(1) + "\r\n";
    return Leer(s);
}

}  // namespace

TEST(SelectorTerminaciones, TiposDeTerminacionCompletos) {
    const LecturaNumeros mil = Mil();
    const CuentasTerminaciones cuentas = ContarTerminaciones(mil);
    EXPECT_EQ(ListarCuentas(cuentas.CuentaCentenas, 3).distintos, 1000);
    EXPECT_EQ(ListarCuentas(cuentas.CuentaDecenas, 2).distintos, 100);
    EXPECT_EQ(ListarCuentas(cuentas.CuentaUnidades, 1).distintos, 10);
    EXPECT_EQ(ListarCuentas(cuentas.CuentaDecenas, 2).texto.substr(0, 16), "00: 10\r\n01: 10\r\n");
    EXPECT_EQ(ContarTerminaciones(LecturaNumeros{}).CuentaUnidades, (std::array<int32_t, 10>{}));
    FuenteAleatoria azar;
    const GeneracionTerminaciones diezMil = GenerarTerminaciones(mil, TipoTerminacion::DiezMil, false, azar, false);
    EXPECT_EQ(diezMil.elegidos.size(), 1000u);
    EXPECT_EQ(diezMil.terminacionesFaltantes.size(), 9000u);
    EXPECT_EQ(ListaValores({7}, diezMil.cifras), "0007\r\n");
}

TEST(SelectorTerminaciones, UnNumeroPorTerminacionLoQueFaltaYOptimas) {
    FuenteAleatoria azar;
    const LecturaNumeros l = Leer("54321\r\n11111\r\n22221\r\n33333\r\n11111\r\n");
    const GeneracionTerminaciones g = GenerarTerminaciones(l, TipoTerminacion::Diez, false, azar, false);
    EXPECT_EQ(g.elegidos, (std::vector<int32_t>{54321, 33333}));  // first of ending 1, then ending 3
    EXPECT_EQ(g.terminacionesFaltantes, (std::vector<int32_t>{0, 2, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(g.comienzosFaltantes, (std::vector<int32_t>{0, 1, 2, 4, 6, 7, 8, 9}));
    EXPECT_EQ(ListaValores(g.terminacionesFaltantes, g.cifras).substr(0, 6), "0\r\n2\r\n");

    const GeneracionTerminaciones porNumero = GenerarTerminaciones(l, TipoTerminacion::Diez, false, azar, true);
    EXPECT_EQ(porNumero.elegidos, (std::vector<int32_t>{33333, 54321}));

    // At random every pick still has its ending, and each candidate turns up.
    std::set<std::vector<int32_t>> vistos;
    for (int i = 0; i < 200; ++i) vistos.insert(GenerarTerminaciones(l, TipoTerminacion::Diez, true, azar, false).elegidos);
    EXPECT_EQ(vistos, (std::set<std::vector<int32_t>>{{11111, 33333}, {22221, 33333}, {54321, 33333}}));

    // Ending 01: 00001 and 10001; ending 02: 00002 and 50002. The plain pick
    // repeats beginning 00, the optimal one does not.
    const LecturaNumeros cien = Leer("00001\r\n10001\r\n00002\r\n50002\r\n");
    const GeneracionTerminaciones simple = GenerarTerminaciones(cien, TipoTerminacion::Cien, false, azar, false);
    EXPECT_EQ(simple.elegidos, (std::vector<int32_t>{1, 2}));
    const GeneracionTerminaciones optima = GenerarTerminaciones(cien, TipoTerminacion::CienOptimas, false, azar, false);
    EXPECT_EQ(optima.elegidos, (std::vector<int32_t>{1, 50002}));
    EXPECT_EQ(optima.comienzosFaltantes.size(), 98u);
    EXPECT_EQ(simple.comienzosFaltantes.size(), 99u);
}

TEST(SelectorTerminaciones, CapicuasDistintasYAscendentes) {
    const LecturaNumeros l = Leer("12321\r\n12345\r\n00000\r\n12321\r\n98089\r\n10001\r\n");
    EXPECT_EQ(GenerarCapicuas(l), (std::vector<int32_t>{0, 10001, 12321, 98089}));
    EXPECT_EQ(ListaValores(GenerarCapicuas(l), 5).substr(0, 14), "00000\r\n10001\r\n");
    EXPECT_TRUE(GenerarCapicuas(Leer("12345\r\n")).empty());
}
