#pragma once
// Default draw data set at start-up from today's date.
#include <string>

#include "config_impresion.h"

// Week of the year with weeks starting on Monday, week 1 being the one that
// holds 1 January (so 1 January is always week 1). 0 for an invalid date.
int SemanaDelAnio(int anio, int mes, int dia);

// "dd/mm/yyyy": two-digit day and month, four-digit year.
std::string TextoFechaSorteo(int anio, int mes, int dia);

// Empty title, footer and draw name, price 20, the date as text and the
// draw number = week of the year x 2. Margins and orientation are left alone.
void FijarSorteoPorDefecto(AjustesImpresion& ajustes, int anio, int mes, int dia);
