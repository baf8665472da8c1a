#include <gtest/gtest.h>

#include <string>

#include "informe_eliminadas.h"

TEST(InformeEliminadas, TotalDeTodosLosFiltrosYLineasDeLosMarcadosAhora) {
    // Groups of three with "." so that the test sees where each count goes.
    auto conPuntos = [](int64_t v) {
        const std::string d = std::to_string(v);
        std::string s;
        for (size_t i = 0; i < d.size(); ++i) {
            if (i > 0 && (d.size() - i) % 3 == 0) s += '.';
            s += d[i];
        }
        return s;
    };
    EliminadasPorFiltro eliminadas{};
    eliminadas[kFiltroParesImpares] = 1500000;
    eliminadas[kFiltroTerminaciones] = 618000;  // ran, but is unticked now
    eliminadas[kFiltroGruposEnReservas] = 7;
    FiltrosMarcados marcados{};
    marcados[kFiltroGruposEnReservas] = true;
    marcados[kFiltroParesImpares] = true;
    marcados[kFiltroPosiciones] = true;  // ticked after the run
    marcados[1] = true;                  // placeholders never get a line
    EXPECT_EQ(TextoInformeEliminadas(eliminadas, marcados, 760, 1234, conPuntos),
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
