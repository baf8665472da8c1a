#include <gtest/gtest.h>

#include "fecha_sorteo.h"

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
