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

// The whole report, CR LF throughout: tests/data/informe_analisis.txt.
TEST(Analisis, InformeConRejillaYListas) {
    const TablaNumeros t = Tabla({"12345", "12999"});
    EXPECT_EQ(InformeAnalisis(ContarFrecuencias(t, 2), 2, AnalizarPrimerasCifras(t, 2), AnalizarUltimasCifras(t, 2)),
              prueba::Dato("informe_analisis.txt"));
}
