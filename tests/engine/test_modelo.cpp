#include <gtest/gtest.h>

#include <array>

#include "ajustes_filtros.h"
#include "modelo.h"

TEST(Modelo, CodigosDeCasillaYCombinaciones) {
    EXPECT_EQ(CasillaDeDigito(4, 9), 5);  // an unknown position counts as the first
    EXPECT_EQ(DigitoDeCasilla(0), 0);
    EXPECT_EQ(DigitoDeCasilla(51), 0);
    for (int p = 1; p <= 5; ++p)
        for (int d = 0; d <= 9; ++d) {
            const Casilla c = CasillaDeDigito(static_cast<uint8_t>(d), static_cast<int16_t>(p));
            EXPECT_EQ(c, (p - 1) * 10 + d + 1);
            EXPECT_EQ(DigitoDeCasilla(c), d);
            EXPECT_EQ(PosicionDeCasilla(c), p);
        }
    EXPECT_EQ(NumCombinaciones(50, 5), 2118760.0);
    EXPECT_EQ(NumCombinaciones(4, 5), 0.0);
    EXPECT_EQ(NumCombinaciones(10, 0), 1.0);
    EXPECT_EQ(Binomial(60, 3), 34220.0);  // beyond the table
    EXPECT_EQ(ProductoDescendente(50, 5, 0), 254251200.0);
    EXPECT_EQ(ProductoDescendente(7, 2, 2), 1.0);
}

// Walks every k-subset of 1..n in lexicographic order with nested loops, the
// independent reference for both directions.
template <class F>
void RecorrerCincoDe(int n, F&& f) {
    std::array<uint8_t, 5> c{};
    int32_t indice = 0;
    for (c[0] = 1; c[0] <= n - 4; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= n - 3; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= n - 2; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= n - 1; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= n; ++c[4]) f(++indice, c);
}

TEST(Modelo, RangoYDesrangoSobreTodosLosIndices) {
    for (int n : {12, 50}) {  // 12 takes the general path, 50 the fast one
        int fallos = 0;
        int32_t ultimo = 0;
        std::array<uint8_t, 5> calculada{};
        RecorrerCincoDe(n, [&](int32_t indice, const std::array<uint8_t, 5>& esperada) {
            ultimo = indice;
            if (fallos >= 5) return;
            CombinacionDeIndice(indice, 5, static_cast<int16_t>(n), calculada);
            if (calculada != esperada || IndiceDeCombinacion(5, static_cast<int16_t>(n), esperada) != indice) {
                ++fallos;
                ADD_FAILURE() << "n " << n << " indice " << indice;
            }
        });
        EXPECT_EQ(ultimo, static_cast<int32_t>(NumCombinaciones(static_cast<int16_t>(n), 5)));
    }
    std::array<uint8_t, 3> tres{};
    for (int32_t i = 1; i <= 120; ++i) {
        CombinacionDeIndice(i, 3, 10, tres);
        EXPECT_EQ(IndiceDeCombinacion(3, 10, tres), i);
    }
}

TEST(Modelo, MarcasEliminacionEmpiezanConLaEntradaMenosUno) {
    MarcasEliminacion marcas;
    marcas.Preparar(3);
    EXPECT_EQ(marcas.Inferior(), -1);
    EXPECT_EQ(marcas.Superior(), 3);
    EXPECT_EQ(marcas[-1], 1);
    EXPECT_EQ(marcas[0] + marcas[1] + marcas[2] + marcas[3], 0);
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
