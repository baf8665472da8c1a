#pragma once
// The numbers of a base: the selected cells, every 5-element set of them,
// and the check that keeps the sets holding one digit per position.
#include <cstdint>

#include "cesion.h"
#include "sesion.h"

// Number of selected cells of the base grid.
int16_t ContarCasillasSeleccionadas(const RejillaBase& rejilla);

// Resizes gValorElemento to 1..gNumElementos and fills it with the selected
// cells in ascending order (the caller sets gNumElementos first; cells that
// do not fit are left out).
void CargarNumerosSeleccionados(TablasSesion& tablas, const RejillaBase& rejilla);

// Writes every 5-element set of the gNumElementos elements into
// gCombinaciones, in lexicographic order, and returns how many rows it wrote
// (C(N,5)). Yields every 1000 rows written. gNumCombinaciones is left to
// the caller.
int32_t GenerarCombinaciones(TablasSesion& tablas, const Cesion& ceder);

// GenerarCombinaciones, then FiltrarUnDigitoPorPosicion, in one pass that
// judges each row as it writes it: the same rows, flags, count and number
// of yields. The caller prepares gEliminada for the rows first.
int32_t GenerarComprobadas(TablasSesion& tablas, const RejillaBase& rejilla, const Cesion& ceder);

// Eliminates the live rows that do not hold exactly one selected cell of
// each position that has selected cells on the grid; returns how many it
// eliminated. Yields every 10000 rows of every such position.
int32_t FiltrarUnDigitoPorPosicion(TablasSesion& tablas, const RejillaBase& rejilla, const Cesion& ceder);
