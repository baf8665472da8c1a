#pragma once
// Plain-text outputs of a "Calcular": the report of how many numbers the
// conditions removed, and the reduced numbers as a text file of numbers.
#include <cstdint>
#include <functional>
#include <string>

#include "filtros.h"
#include "modelo.h"

inline constexpr const char* kNombreInforme = "VORTESALIN_RESUMEN.txt";

// Formats a count for the report ("#,#,0" in the program's locale).
using FormatoNumero = std::function<std::string(int64_t)>;

// The report's text, every line ended by CR LF and one more CR LF at the
// end: the three totals (the eliminated total is the sum of all eleven
// counts), an empty line, the heading and one line per filter 3..10 that
// is ticked now, with the count it had in the last run.
std::string TextoInformeEliminadas(const EliminadasPorFiltro& eliminadas, const FiltrosMarcados& marcados,
                                   int64_t condicionadas, int64_t reducidas, const FormatoNumero& formato);

// Rows 1..filas of `numeros` as "12345" lines ended by CR LF, the form the
// import reads back. Rows beyond the table are left out.
std::string TextoNumeros(const TablaNumeros& numeros, int32_t filas);
