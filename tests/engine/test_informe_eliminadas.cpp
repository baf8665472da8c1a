#include <gtest/gtest.h>

#include <string>

#include "ayuda_tablas.h"
#include "informe_eliminadas.h"

TEST(InformeEliminadas, TotalDeTodosLosFiltrosYLineasDeLosMarcadosAhora) {
    EliminadasPorFiltro eliminadas{};
    eliminadas[kFiltroParesImpares] = 1500000;
    eliminadas[kFiltroTerminaciones] = 618000;  // ran, but is unticked now
    eliminadas[kFiltroGruposEnReservas] = 7;
    FiltrosMarcados marcados{};
    marcados[kFiltroGruposEnReservas] = true;
    marcados[kFiltroParesImpares] = true;
    marcados[kFiltroPosiciones] = true;  // ticked after the run
    marcados[1] = true;                  // placeholders never get a line
    const auto cuenta = [](int64_t v) { return "<" + std::to_string(v) + ">"; };  // shows where counts go
    EXPECT_EQ(TextoInformeEliminadas(eliminadas, marcados, 760, 1234, cuenta), prueba::Dato("informe_eliminadas.txt"));
}
