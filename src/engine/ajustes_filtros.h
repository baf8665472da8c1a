#pragma once
// The settings of the eight filters ("condiciones"), with their documented
// bounds and reset values. Whether a filter runs is not stored here: it is
// the tick of the filter's check box in the main window.
#include <cstdint>

#include "arreglo.h"

// Filter indices shared by the main window, the BASE file and the pipeline.
enum IndiceFiltro : int {
    kFiltroGrupos = 3,
    kFiltroParesImpares = 4,
    kFiltroSeguidos = 5,
    kFiltroSumas = 6,
    kFiltroTerminaciones = 7,
    kFiltroGruposRelacionados = 8,
    kFiltroPosiciones = 9,
    kFiltroGruposEnReservas = 10,
};
constexpr int kNumIndicesFiltro = 11;  // 0..10; 0..2 have no filter

constexpr int kNumGrupos = 360;
constexpr int kNumReservas = 8;
constexpr int kMaxAciertosReserva = 79;

// FilaAciertos and FilaCasillas are rows of unsigned bytes, 1 = allowed/chosen.
struct AjustesFiltros {
    // 3 GRUPOS
    Matriz<uint8_t> NumerosGrupo{1, kNumGrupos, 1, 50};
    Matriz<uint8_t> AciertosGrupo{1, kNumGrupos, 0, 5};
    // 4 PARESIMPARES
    Arreglo<uint8_t> ParesActivos{0, 5};
    // 5 SEGUIDOS
    Arreglo<uint8_t> NumerosSeguidos{0, 5};
    Arreglo<uint8_t> FigurasSeguidos{1, 7};
    int16_t SeguidosInversos = 0;
    // 6 SUMAS
    Arreglo<int16_t> SumaMinima{1, 10};
    Arreglo<int16_t> SumaMaxima{1, 10};
    // 7 TERMINACIONES
    Matriz<uint8_t> TerminadosEn{0, 9, 0, 5};
    uint8_t SumaTerminacionesMinimo = 0;
    uint8_t SumaTerminacionesMaximo = 45;
    Arreglo<uint8_t> FigurasTerminaciones{1, 7};
    // 8 GRUPOSRELACIONADOS: row (block - 1) * 6 + s
    Matriz<uint8_t> NumerosSubgrupo{1, kNumGrupos, 1, 50};
    Matriz<uint8_t> AciertosCondicion{1, kNumGrupos, 0, 5};
    // 9 POSICIONES
    Arreglo<uint8_t> NumerosPosiciones{1, 50};
    // 10 GRUPOSENRESERVAS
    Matriz<uint8_t> NumerosGrupoReserva{1, kNumGrupos, 1, 50};
    Matriz<uint8_t> AciertosGrupoReserva{1, kNumGrupos, 0, 6};
    Arreglo<uint8_t> IdGrupoReserva{1, kNumGrupos};
    Matriz<uint8_t> AciertosReserva{1, kNumReservas, 0, kMaxAciertosReserva};

    // Exchange row of the hit-count choosers; never reset.
    Arreglo<uint8_t> AciertosSeleccionados{0, kMaxAciertosReserva};

    // Pages shown by the three paged editors.
    int16_t GrupoActual = 1;
    int16_t GrupoRelacionadoActual = 1;
    int16_t BloqueReservas = 1;

    // Resets every setting and the page counters; AciertosSeleccionados stays.
    void InicializarFiltros();
};
