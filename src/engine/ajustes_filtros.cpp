#include "ajustes_filtros.h"

void AjustesFiltros::InicializarFiltros() {
    TerminadosEn.Rellenar(0);
    FigurasTerminaciones.Rellenar(0);
    SumaTerminacionesMinimo = 0;
    SumaTerminacionesMaximo = 45;
    SumaMinima.Rellenar(0);
    SumaMaxima.Rellenar(0);
    ParesActivos.Rellenar(0);
    NumerosSeguidos.Rellenar(0);
    FigurasSeguidos.Rellenar(0);
    SeguidosInversos = 0;
    GrupoActual = 1;
    NumerosGrupo.Rellenar(0);
    AciertosGrupo.Rellenar(0);
    GrupoRelacionadoActual = 1;
    NumerosSubgrupo.Rellenar(0);
    AciertosCondicion.Rellenar(0);
    NumerosPosiciones.Rellenar(0);
    BloqueReservas = 1;
    AciertosGrupoReserva.Rellenar(0);
    NumerosGrupoReserva.Rellenar(0);
    IdGrupoReserva.Rellenar(0);
    AciertosReserva.Rellenar(0);
}
