#pragma once
// Checks of the print panel and of the draw-data window that need no window:
// numeric boxes, ticket ranges, margin repair and the draw date.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// What a printout, the QR viewer and the text view carry: the panel's boxes
// as they stand when the command runs.
struct DatosImpresion {
    std::string titulo;
    std::string pie;
    std::string nombre;
    std::string numero;  // draw number, at least three digits
    std::string precio;  // whole euros
    std::string fecha;   // e.g. "Domingo 10 MAR 2024"
};

// The weekday's name (0 Monday .. 6 Sunday), the day, the month as the combo
// shows it and the year, each trimmed.
std::string TextoFechaImpresion(int diaSemana, std::string_view dia, std::string_view mes, std::string_view anio);
// "Sorteo Nº 123".
std::string LineaSorteo(const DatosImpresion& d);
// "Precio: 20 euros".
std::string LineaPrecio(const DatosImpresion& d);
// The content of one QR code: the draw data and one line per ticket,
// tickets primero, primero + 1, ... holding `numeros`.
std::string TextoQR(const DatosImpresion& d, int32_t primero, const std::vector<std::string>& numeros);
// The text view of the tickets 1.. (CR LF line ends): title, draw data,
// one line per ticket, footer; an empty title or footer is left out.
std::string TextoDecimos(const DatosImpresion& d, const std::vector<std::string>& numeros);

// Page layout in twips (1/1440 inch). The margins place the print area;
// the slots keep their size whatever the margins, and a page holds as many
// rows and columns of slots as fit between the print area's corner and the
// page's far edges (at least one).
inline constexpr int32_t kAnchoHueco = 5000;   // 88.2 mm
inline constexpr int32_t kAltoHueco = 2800;    // 49.4 mm
inline constexpr int32_t kBandaTitulo = 700;
inline constexpr int32_t kBandaPie = 500;
struct RectanguloTwips {
    int32_t x = 0, y = 0, ancho = 0, alto = 0;
};
struct DisposicionPagina {
    RectanguloTwips titulo, pie;
    std::vector<RectanguloTwips> huecos;  // column by column, top to bottom
};
DisposicionPagina DisponerPagina(int32_t anchoPagina, int32_t altoPagina, int32_t margenIzquierdo, int32_t margenSuperior);
