#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ajustes_filtros.h"
#include "modelo.h"

TEST(Modelo, CodigosDeCasillaCombinacionesYMarcas) {
    EXPECT_EQ(CasillaDeDigito(4, 9), 5);  // an unknown position counts as the first
    EXPECT_EQ(DigitoDeCasilla(0), 0);
    EXPECT_EQ(DigitoDeCasilla(51), 0);
    EXPECT_EQ(NumCombinaciones(50, 5), 2118760.0);
    EXPECT_EQ(NumCombinaciones(4, 5), 0.0);
    EXPECT_EQ(NumCombinaciones(10, 0), 1.0);
    EXPECT_EQ(Binomial(60, 3), 34220.0);  // beyond the table
    EXPECT_EQ(ProductoDescendente(50, 5, 0), 254251200.0);
    EXPECT_EQ(ProductoDescendente(7, 2, 2), 1.0);
    // Elimination marks run from entry -1, which is set.
    MarcasEliminacion marcas;
    marcas.Preparar(3);
    EXPECT_EQ(marcas.Inferior(), -1);
    EXPECT_EQ(std::vector<uint8_t>(&marcas[-1], &marcas[3] + 1), (std::vector<uint8_t>{1, 0, 0, 0, 0}));
}

TEST(AjustesFiltros, InicializarDejaLosValoresDeReposo) {
    AjustesFiltros a;
    a.NumerosGrupo(360, 50) = 1;
    a.AciertosReserva(8, 79) = 1;
    a.SumaMaxima[10] = 30;
    a.SumaTerminacionesMaximo = 20;
    a.SumaTerminacionesMinimo = 3;
    a.IdGrupoReserva[1] = 4;
    a.SeguidosInversos = 1;
    a.GrupoActual = a.GrupoRelacionadoActual = a.BloqueReservas = 7;
    a.AciertosSeleccionados[79] = 1;
    a.InicializarFiltros();
    const AjustesFiltros limpio;
    EXPECT_EQ(a.NumerosGrupo, limpio.NumerosGrupo);
    EXPECT_EQ(a.AciertosReserva, limpio.AciertosReserva);
    EXPECT_EQ(a.SumaMaxima, limpio.SumaMaxima);
    EXPECT_EQ(a.IdGrupoReserva, limpio.IdGrupoReserva);
    EXPECT_EQ(a.SumaTerminacionesMinimo + a.SeguidosInversos, 0);
    EXPECT_EQ(a.SumaTerminacionesMaximo, 45);
    EXPECT_EQ((std::array{a.GrupoActual, a.GrupoRelacionadoActual, a.BloqueReservas}), (std::array<int16_t, 3>{1, 1, 1}));
    EXPECT_EQ(a.AciertosSeleccionados[79], 1);  // the chooser row is not reset
}
