#pragma once
// The exact-bets adjustment: brings the reduction's result to exactly the
// number of bets asked.
#include <cstdint>

#include "cesion.h"
#include "observador_reduccion.h"

class FuenteAleatoria;
struct TablasSesion;

// A result larger than `objetivo` is cut to its first rows (to rows taken in a
// shuffled order with `aleatorio`); a smaller one gets further conditioned
// numbers appended, taken in a shuffled order of all 5-of-50 sets, repeatable
// unless `aleatorio`. Should too few conditioned numbers be left, the result
// holds all of them and no empty rows. Sends the reduced count and progress.
void AjustarApuestas(TablasSesion& tablas, int32_t objetivo, bool aleatorio, FuenteAleatoria& fuente,
                     const Cesion& ceder, ProgresoReduccion& progreso, ObservadorReduccion& observador);
