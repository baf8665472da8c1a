#include <gtest/gtest.h>

#include <string>

#include "fichero_numeros.h"
#include "informe_eliminadas.h"

namespace {
// Groups of three with "." so that the tests see where the counts go.
std::string ConPuntos(int64_t v) {
    const std::string d = std::to_string(v);
    std::string salida;
    for (size_t i = 0; i < d.size(); ++i) {
        if (i > 0 && (d.size() - i) % 3 == 0) salida += '.';
        salida += d[i];
    }
    return salida;
}
}  // namespace

TEST(InformeEliminadas, SinCalcularListaLosFiltrosMarcados) {
    FiltrosMarcados marcados{};
    marcados[kFiltroSumas] = true;
    marcados[kFiltroGrupos] = true;
    marcados[1] = true;  // placeholders never get a line
    EXPECT_EQ(TextoInformeEliminadas(EliminadasPorFiltro{}, marcados, 0, 0, ConPuntos),
              "TOTAL Números Eliminados: 0\r\n"
              "TOTAL Números Condicionados: 0\r\n"
              "TOTAL Números en Reducción: 0\r\n"
              "\r\n"
              "Números eliminados por cada Filtro Activo:\r\n"
              "GRUPOS DE NUMEROS: 0\r\n"
              "SUMAS: 0\r\n"
              "\r\n");
}

TEST(InformeEliminadas, TotalSumaTodosLosFiltrosYListaSoloLosMarcadosAhora) {
    EliminadasPorFiltro eliminadas{};
    eliminadas[kFiltroParesImpares] = 1500000;
    eliminadas[kFiltroTerminaciones] = 618000;  // ran, but is unticked now
    eliminadas[kFiltroGruposEnReservas] = 7;
    FiltrosMarcados marcados{};
    marcados[kFiltroParesImpares] = true;
    marcados[kFiltroGruposEnReservas] = true;
    marcados[kFiltroPosiciones] = true;  // ticked after the run: its count is 0
    EXPECT_EQ(TextoInformeEliminadas(eliminadas, marcados, 760, 1234, ConPuntos),
              "TOTAL Números Eliminados: 2.118.007\r\n"
              "TOTAL Números Condicionados: 760\r\n"
              "TOTAL Números en Reducción: 1.234\r\n"
              "\r\n"
              "Números eliminados por cada Filtro Activo:\r\n"
              "PARES E IMPARES: 1.500.000\r\n"
              "POSICIONES: 0\r\n"
              "GRUPOS EN RESERVAS: 7\r\n"
              "\r\n");
}

TEST(TextoNumeros, LoLeeLaImportacion) {
    TablaNumeros t(3);
    const char* numeros[] = {"00000", "09185", "99999"};
    for (int j = 1; j <= 3; ++j)
        for (int p = 1; p <= kPosiciones; ++p)
            t(j, p) = CasillaDeDigito(static_cast<uint8_t>(numeros[j - 1][p - 1] - '0'), static_cast<int16_t>(p));

    EXPECT_EQ(TextoNumeros(t, 2), "00000\r\n09185\r\n");
    EXPECT_EQ(TextoNumeros(t, 0), "");

    const std::string texto = TextoNumeros(t, 10);  // rows beyond the table are left out
    const LecturaNumeros leidos = LeerTextoNumeros(texto, kLecturaPrincipal);
    ASSERT_TRUE(leidos.Correcta()) << leidos.error;
    ASSERT_EQ(leidos.total, 3);
    for (int j = 1; j <= 3; ++j)
        for (int p = 1; p <= kPosiciones; ++p) EXPECT_EQ(leidos.Digito(j, p), numeros[j - 1][p - 1] - '0');
}
