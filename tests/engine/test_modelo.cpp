#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "ayuda_tablas.h"
#include "base_xml.h"
#include "modelo.h"

TEST(Modelo, CodigosDeCasillaCombinacionesYMarcas) {
    EXPECT_EQ(CasillaDeDigito(4, 9), 5);  // an unknown position counts as the first
    EXPECT_EQ(DigitoDeCasilla(0), 0);
    EXPECT_EQ(DigitoDeCasilla(51), 0);
    EXPECT_EQ(NumCombinaciones(4, 5), 0.0);
    EXPECT_EQ(NumCombinaciones(10, 0), 1.0);
    EXPECT_EQ(Binomial(60, 3), 34220.0);  // beyond the table
    EXPECT_EQ(ProductoDescendente(7, 2, 2), 1.0);
    // Elimination marks run from entry -1, which is set.
    MarcasEliminacion marcas;
    marcas.Preparar(3);
    EXPECT_EQ(marcas.Inferior(), -1);
    EXPECT_EQ(std::vector<uint8_t>(&marcas[-1], &marcas[3] + 1), (std::vector<uint8_t>{1, 0, 0, 0, 0}));
}

TEST(AjustesFiltros, InicializarDejaLosValoresDeReposo) {
    prueba::Azar azar(7);
    AjustesFiltros a = prueba::AjustesAlAzar(azar, true);
    a.SumaMinima[10] = 5;
    a.SumaMaxima[10] = 30;
    a.GrupoActual = a.GrupoRelacionadoActual = a.BloqueReservas = 7;
    a.AciertosSeleccionados[79] = 1;
    a.InicializarFiltros();
    // Everything a BASE file holds is back at rest, and what it leaves out
    // (group cells no hit count uses, conditions of empty subgroups).
    const AjustesFiltros reposo;
    EXPECT_EQ(GenerarXMLBase(DatosBaseXML(), a), GenerarXMLBase(DatosBaseXML(), reposo));
    EXPECT_EQ(std::tie(a.NumerosGrupo, a.NumerosGrupoReserva, a.IdGrupoReserva, a.AciertosCondicion),
              std::tie(reposo.NumerosGrupo, reposo.NumerosGrupoReserva, reposo.IdGrupoReserva, reposo.AciertosCondicion));
    EXPECT_EQ((std::array{a.GrupoActual, a.GrupoRelacionadoActual, a.BloqueReservas}), (std::array<int16_t, 3>{1, 1, 1}));
    EXPECT_EQ(a.AciertosSeleccionados[79], 1);  // the chooser row is not reset
}
