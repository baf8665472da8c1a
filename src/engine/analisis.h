#pragma once
// The analysis of a list of numbers: how often each digit stands at each
// position, and which groups of first or last digits occur and how often.
// Also the ascending "group: count" lists that the endings selector shares.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "modelo.h"

// [c - 1]: how many of rows 1..total hold Casilla c. Rows the table does not
// hold are never read.
using FrecuenciasCasillas = std::array<int32_t, kCasillas>;
FrecuenciasCasillas ContarFrecuencias(const TablaNumeros& numeros, int32_t total);

// One line "k: count" CR LF per counter above 0, k written with `cifras`
// digits (leading zeros), ascending by k; distintos = the lines written.
struct ListaCuentas {
    std::string texto;
    int32_t distintos = 0;
};
ListaCuentas ListarCuentas(std::span<const int32_t> cuentas, int cifras);

// One digit-group analysis: the two-digit and three-digit groups.
struct AnalisisCifras {
    ListaCuentas dos;   // label distintos "/100"
    ListaCuentas tres;  // label distintos "/1000"
};
// Positions 4-5 and 3-5.
AnalisisCifras AnalizarUltimasCifras(const TablaNumeros& numeros, int32_t total);
// Positions 1-2 and 1-3.
AnalisisCifras AnalizarPrimerasCifras(const TablaNumeros& numeros, int32_t total);

// count x 100 / total in hundredths of a percent, rounded to the nearest with
// an exact half going to the even hundredth. 0 when total < 1.
int64_t PorcentajeCentesimas(int32_t cuenta, int32_t total);

// A percentage in hundredths as the analysis shows it: without trailing
// zeros, `coma` as the decimal separator, then " %" ("12,5 %").
std::string TextoPorcentaje(int64_t centesimas, std::string_view coma);

// The text the analysis window shows in the text editor: the grid of counts
// and percentages (with the window's decimal separator `coma`), then the four
// lists. Lines end in CR LF.
std::string InformeAnalisis(const FrecuenciasCasillas& frecuencias, int32_t total, const AnalisisCifras& primeras,
                            const AnalisisCifras& ultimas, std::string_view coma);
