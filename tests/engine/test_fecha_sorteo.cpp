#include <gtest/gtest.h>

#include <tuple>

#include "fecha_sorteo.h"

TEST(SemanaDelAnio, SemanasDeLunesConElUnoDeEneroEnLaPrimera) {
    for (int anio = 2015; anio <= 2030; ++anio) EXPECT_EQ(SemanaDelAnio(anio, 1, 1), 1) << anio;
    EXPECT_EQ(SemanaDelAnio(2026, 1, 4), 1);  // 2026 starts on a Thursday
    EXPECT_EQ(SemanaDelAnio(2026, 1, 5), 2);
    EXPECT_EQ(SemanaDelAnio(2026, 3, 5), 10);
    EXPECT_EQ(SemanaDelAnio(2024, 1, 7), 1);  // 2024 starts on a Monday
    EXPECT_EQ(SemanaDelAnio(2024, 2, 29), 9);
    EXPECT_EQ(SemanaDelAnio(2023, 1, 2), 2);  // 2023 starts on a Sunday
    EXPECT_EQ(SemanaDelAnio(2018, 12, 31), 53);
    EXPECT_EQ(SemanaDelAnio(2012, 12, 30), 53);  // leap year starting on a Sunday
    EXPECT_EQ(SemanaDelAnio(2012, 12, 31), 54);
    for (auto [a, m, d] : {std::tuple{2025, 2, 29}, {2025, 13, 1}, {2025, 4, 0}}) EXPECT_EQ(SemanaDelAnio(a, m, d), 0);
}

TEST(FijarSorteoPorDefecto, ValoresDeArranque) {
    AjustesImpresion a;
    a.gTituloImpresion = a.gPieImpresion = a.gNombreSorteo = "x";
    a.gPrecioDecimo = 3;
    a.gMargenSuperior = -7;
    FijarSorteoPorDefecto(a, 2026, 3, 5);
    EXPECT_EQ(a.gTituloImpresion + a.gPieImpresion + a.gNombreSorteo, "");
    EXPECT_EQ(a.gPrecioDecimo, 20);
    EXPECT_EQ(a.gFechaSorteo, "05/03/2026");
    EXPECT_EQ(a.gNumeroSorteo, 20);
    EXPECT_EQ(a.gMargenSuperior, -7);  // print settings are not draw defaults
    FijarSorteoPorDefecto(a, 2018, 12, 31);
    EXPECT_EQ(a.gFechaSorteo, "31/12/2018");
    EXPECT_EQ(a.gNumeroSorteo, 106);
    FijarSorteoPorDefecto(a, 2027, 1, 1);
    EXPECT_EQ(a.gNumeroSorteo, 2);
}
