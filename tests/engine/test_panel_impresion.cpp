#include <gtest/gtest.h>

#include <array>

#include "panel_impresion.h"

TEST(PanelImpresion, PaginaEnTwipsConservaElTamanoDelHueco) {
    struct Fila {
        int32_t ancho, alto, izquierdo, superior;
        size_t huecos;
    };
    const Fila filas[] = {{11906, 16838, 900, 1000, 10},  // A4 portrait: two columns of five
                          {16838, 11906, 900, 1000, 9},   // A4 landscape: three by three
                          {11906, 16838, 7000, -600, 5},  // only one column fits
                          {11906, 16838, 99999, 99999, 1}};
    for (const Fila& f : filas) {
        const DisposicionPagina d = DisponerPagina(f.ancho, f.alto, f.izquierdo, f.superior);
        EXPECT_EQ(d.huecos.size(), f.huecos) << f.izquierdo;
        EXPECT_EQ((std::array{d.huecos[0].x, d.huecos[0].y, d.huecos[0].ancho, d.huecos[0].alto}),
                  (std::array{f.izquierdo, f.superior + kBandaTitulo, kAnchoHueco, kAltoHueco}));
        EXPECT_EQ(d.titulo.y, f.superior);
        EXPECT_EQ(d.pie.y, d.huecos.back().y + kAltoHueco);
    }
}
