#pragma once
// Checks of the print panel and of the draw-data window that need no window:
// numeric boxes, ticket ranges, margin repair and the draw date.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A number as a numeric text box may hold it: blanks around, an optional
// sign, digits with an optional fraction. A lone sign or "" is not numeric.
bool EsNumerico(std::string_view texto);
// The whole value of a numeric text (fraction rounded, halves to even),
// clamped to the 32-bit range; 0 when the text is not numeric.
int64_t ValorTexto(std::string_view texto);
// True when the text is empty once blanks are removed.
bool Vacio(std::string_view texto);

// Draw number, price, day and year must each be numeric and not blank.
bool ValidarDatosSorteo(std::string_view numero, std::string_view precio, std::string_view dia,
                        std::string_view anio);

// A margin box that is not numeric or is blank becomes `reparacion`.
std::string RepararMargen(std::string_view texto, std::string_view reparacion);

enum class ErrorDecimos { Ninguno, IntervaloIncompleto, IntervaloFuera, DecimoFuera };

// What the print routines receive: the zero-based index of the first ticket
// and the first and last ticket numbers (1-based, inclusive).
struct RangoDecimos {
    ErrorDecimos error = ErrorDecimos::Ninguno;
    int32_t indice = 0;
    int32_t primero = 0;
    int32_t ultimo = 0;
};

RangoDecimos RangoTodos(int32_t total);
RangoDecimos RangoIntervalo(std::string_view primero, std::string_view ultimo, int32_t total);
RangoDecimos RangoDecimo(std::string_view numero, int32_t total);

// "000" format: at least three digits.
std::string TextoNumeroSorteo(int32_t numero);

// The draw date "day/month/year" split into its parts; nothing when the
// text is not a date of the calendar.
struct FechaSorteo {
    std::string dia;
    int mes = 1;  // 1..12
    std::string anio;
    int diaSemana = 0;  // 0 Monday .. 6 Sunday
};
std::optional<FechaSorteo> LeerFechaSorteo(std::string_view texto);
// Day and year as typed, the month without a leading zero.
std::string UnirFechaSorteo(std::string_view dia, int indiceMes, std::string_view anio);

// The key YYYYMMDD of a date given as three texts (blanks around ignored);
// nothing when they do not form a date of the calendar (years 100..9999).
std::optional<std::string> ClaveFechaSorteo(std::string_view dia, std::string_view mes, std::string_view anio);
