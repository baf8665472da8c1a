#include <gtest/gtest.h>

#include <string>

#include "analisis.h"

#include "ayuda_tablas.h"

using prueba::Tabla;

TEST(Analisis, TablasVaciasYCortasSoloLeenSusFilas) {
    const TablaNumeros vacia;
    EXPECT_EQ(ContarFrecuencias(vacia, 5), FrecuenciasCasillas{});
    const AnalisisCifras nada = AnalizarUltimasCifras(vacia, 3);
    EXPECT_EQ(nada.dos.texto, "");
    EXPECT_EQ(nada.tres.distintos, 0);
    // Only the first `total` rows count, and a total beyond the table stops at it.
    const TablaNumeros t = Tabla({"12345", "67890"});
    EXPECT_EQ(AnalizarPrimerasCifras(t, 1).dos.texto, "12: 1\r\n");
    EXPECT_EQ(AnalizarPrimerasCifras(t, 9).dos.texto, "12: 1\r\n67: 1\r\n");
}

// Lists ascend by their digits; frequencies are per position and digit.
TEST(Analisis, ListasYFrecuencias) {
    const TablaNumeros t = Tabla({"98345", "12399", "12345"});
    const AnalisisCifras primeras = AnalizarPrimerasCifras(t, 3);
    const AnalisisCifras ultimas = AnalizarUltimasCifras(t, 3);
    EXPECT_EQ(primeras.dos.texto + primeras.tres.texto, "12: 2\r\n98: 1\r\n123: 2\r\n983: 1\r\n");
    EXPECT_EQ(ultimas.dos.texto + ultimas.tres.texto, "45: 2\r\n99: 1\r\n345: 2\r\n399: 1\r\n");
    EXPECT_EQ(primeras.dos.distintos + primeras.tres.distintos + ultimas.dos.distintos + ultimas.tres.distintos, 8);
    // [position * 10 + digit], positions from 0.
    FrecuenciasCasillas esperadas{};
    for (auto [casilla, veces] : {std::pair{1, 2}, {9, 1}, {12, 2}, {18, 1}, {23, 3}, {34, 2}, {39, 1}, {45, 2}, {49, 1}})
        esperadas[casilla] = veces;
    EXPECT_EQ(ContarFrecuencias(t, 3), esperadas);
}

// The whole report, CR LF throughout: tests/data/informe_analisis.txt.
TEST(Analisis, InformeConRejillaYListas) {
    const TablaNumeros t = Tabla({"12345", "12999"});
    EXPECT_EQ(InformeAnalisis(ContarFrecuencias(t, 2), 2, AnalizarPrimerasCifras(t, 2), AnalizarUltimasCifras(t, 2)),
              prueba::Dato("informe_analisis.txt"));
}
