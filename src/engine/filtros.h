#pragma once
// The eight filters ("condiciones") and the pipeline that runs the ticked
// ones. Every filter visits the live rows of gCombinaciones only, yields
// every 7000 rows of each of its passes, marks the rows that fail its rule
// in gEliminada and returns how many rows it newly eliminated.
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "ajustes_filtros.h"
#include "cesion.h"
#include "sesion.h"

int32_t FiltrarGrupos(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder);
int32_t FiltrarParesImpares(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder);
int32_t FiltrarSeguidos(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder);
int32_t FiltrarSumas(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder);
int32_t FiltrarTerminaciones(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder);
int32_t FiltrarGruposRelacionados(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder);
int32_t FiltrarPosiciones(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder);
int32_t FiltrarGruposEnReservas(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder);

// The seven figures shared by runs and digit multiplicities: 1 "5-0",
// 2 "4-1", 3 "3-2", 4 "3-1-1", 5 "2-2-1", 6 "2-1-1-1", 7 "1-1-1-1-1".
constexpr int kNumFiguras = 7;

// The check boxes chkFiltros(0..10), true = ticked.
using FiltrosMarcados = std::array<bool, kNumIndicesFiltro>;
// Numbers each filter eliminated in the last run, by filter index.
using EliminadasPorFiltro = std::array<int32_t, kNumIndicesFiltro>;
// Receives the title of each filter just before it runs.
using AvisoTitulo = std::function<void(std::string_view)>;

// Title shown while filter `indice` (3..10) runs; empty for any other index.
std::string_view TituloFiltro(int indice);

// Runs the ticked filters in the order 3..10, announcing each one's title
// first. Sets EliminadasFiltro to each filter's count (0 for the others)
// and returns their sum.
int32_t AplicarFiltros(TablasSesion& tablas, const AjustesFiltros& ajustes, const FiltrosMarcados& chkFiltros,
                       EliminadasPorFiltro& EliminadasFiltro, const AvisoTitulo& titulo, const Cesion& ceder);
