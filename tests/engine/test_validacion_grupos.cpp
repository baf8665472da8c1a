#include <gtest/gtest.h>

#include "validacion_grupos.h"

TEST(ValidacionGrupos, GruposInformaSoloDelPrimeroQueFalla) {
    AjustesFiltros f;
    EXPECT_EQ(ValidarGrupos(f), "");  // all empty

    // Cells and a hit count, or neither, pass.
    f.NumerosGrupo(1, 7) = 1;
    f.AciertosGrupo(1, 5) = 1;
    EXPECT_EQ(ValidarGrupos(f), "");

    f.NumerosGrupo(5, 12) = 1;
    EXPECT_EQ(ValidarGrupos(f), "ERROR en GRUPO5 : Debe rellenar al menos un acierto");
    f.AciertosGrupo(2, 0) = 1;
    EXPECT_EQ(ValidarGrupos(f), "ERROR en GRUPO2 : No ha marcado ningún número y hay aciertos seleccionados");

    // A value other than 1 is not an allowed count.
    f.AciertosGrupo(2, 0) = 0;
    f.AciertosGrupo(5, 3) = 2;
    EXPECT_EQ(ValidarGrupos(f), "ERROR en GRUPO5 : Debe rellenar al menos un acierto");
}

TEST(ValidacionGrupos, ReservasGruposAntesQueReservas) {
    AjustesFiltros f;
    EXPECT_EQ(ValidarGruposEnReservas(f), "");

    // A letter alone is an error; "---" alone is an empty group.
    f.IdGrupoReserva[12] = 3;
    EXPECT_EQ(ValidarGruposEnReservas(f), "ERROR en GRUPO12 : No ha marcado ningún número y ningún acierto");
    f.NumerosGrupoReserva(12, 1) = 1;
    EXPECT_EQ(ValidarGruposEnReservas(f), "ERROR en GRUPO12 : Debe rellenar al menos un acierto");
    // Count 6, which only a BASE file sets, is a hit count.
    f.AciertosGrupoReserva(12, 6) = 1;
    EXPECT_EQ(ValidarGruposEnReservas(f),
              "ERROR en GRUPO RESERVA C : Hay marcado Grupos en Reserva y no hay aciertos seleccionados");
    f.AciertosReserva(3, 79) = 1;
    EXPECT_EQ(ValidarGruposEnReservas(f), "");

    // Hit counts without cells, whatever the reserve.
    f.AciertosGrupoReserva(300, 2) = 1;
    f.AciertosReserva(1, 0) = 1;
    EXPECT_EQ(ValidarGruposEnReservas(f),
              "ERROR en GRUPO300 : No ha marcado ningún número y hay aciertos seleccionados");
    f.AciertosGrupoReserva(300, 2) = 0;
    EXPECT_EQ(ValidarGruposEnReservas(f),
              "ERROR en GRUPO RESERVA A : No hay marcado ningún Grupo en Reserva y hay aciertos seleccionados");
    f.AciertosReserva(1, 0) = 0;
    f.AciertosReserva(8, 40) = 1;
    EXPECT_EQ(ValidarGruposEnReservas(f),
              "ERROR en GRUPO RESERVA H : No hay marcado ningún Grupo en Reserva y hay aciertos seleccionados");
}
