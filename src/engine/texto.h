#pragma once
// Keyboard filter of the numeric boxes, the line helpers of the three
// importers of text files of numbers, and the one conversion of a text to a
// whole number that every reader uses.
#include <cstdint>
#include <string>
#include <string_view>

// Character codes the key filter knows by name.
constexpr int kTeclaRetroceso = 8;
constexpr int kTeclaIntro = 13;
constexpr int kTeclaEscape = 27;

// Modes: 1 digits (Enter dropped), 17 digits and Enter, 8 digits and a
// leading sign. Returns the key to pass on, or 0 to drop it; *pitar tells
// whether the drop should beep.
int FiltrarTecla(std::string_view textoCaja, int keyAscii, int tipo, bool* pitar);

// Whether a whole text is acceptable in a box of that mode (used for pastes).
bool TextoValidoParaModo(std::string_view texto, int tipo);

// True when s holds no blank.
bool SinEspacios(std::string_view s);
// Removes every "*", "-", ",", "+" and " " from s, stores and returns it.
std::string& LimpiarSeparadores(std::string& s);

// What a text may hold around and in a whole number. The full form is
// [blanks] [sign] digits [. digits] [blanks]; a fraction rounds to the
// nearest whole number, halves to even.
struct FormaEntero {
    bool blancos = true;   // blanks, tabs and CR around it
    bool signo = true;     // a leading "+" or "-"
    bool fraccion = true;  // a "." and fraction digits
};
inline constexpr FormaEntero kSoloCifras{false, false, false};

enum class Conversion { Correcta, NoNumero, FueraDeIntervalo };

struct EnteroLeido {
    Conversion estado = Conversion::NoNumero;
    // The whole number when Correcta; the bound it passed when FueraDeIntervalo.
    int64_t valor = 0;
    bool Correcto() const { return estado == Conversion::Correcta; }
};

// Converts a text to a whole number. The number as written (before
// rounding) must lie in minimo..maximo; any length of digits is safe.
// Inline: the importer calls it for every digit of a file.
inline EnteroLeido ConvertirEntero(std::string_view t, int64_t minimo, int64_t maximo, FormaEntero forma = {}) {
    if (forma.blancos) {
        auto blanco = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (!t.empty() && blanco(t.front())) t.remove_prefix(1);
        while (!t.empty() && blanco(t.back())) t.remove_suffix(1);
    }
    size_t i = 0;
    bool negativo = false;
    if (forma.signo && i < t.size() && (t[i] == '+' || t[i] == '-')) negativo = t[i++] == '-';
    // Stops growing far beyond any bound asked for, before one more digit
    // could overflow, so texts of any length are safe.
    constexpr int64_t kTope = (INT64_MAX - 9) / 10;
    int64_t entero = 0;
    size_t cifras = 0;
    for (; i < t.size() && (t[i] >= '0' && t[i] <= '9'); ++i, ++cifras)
        if (entero <= kTope) entero = entero * 10 + (t[i] - '0');
    int primera = 0;           // first digit of the fraction
    bool restoNoCero = false;  // a non-zero digit after it
    if (forma.fraccion && i < t.size() && t[i] == '.') {
        ++i;
        for (size_t f = 0; i < t.size() && (t[i] >= '0' && t[i] <= '9'); ++i, ++f, ++cifras) {
            if (f == 0)
                primera = t[i] - '0';
            else if (t[i] != '0')
                restoNoCero = true;
        }
    }
    if (cifras == 0 || i != t.size()) return {Conversion::NoNumero, 0};
    const bool fraccion = primera != 0 || restoNoCero;
    // value = ±(entero + fraction): compare it with the bounds before rounding.
    const int64_t v = negativo ? -entero : entero;
    if (v > maximo || (v == maximo && fraccion && !negativo)) return {Conversion::FueraDeIntervalo, maximo};
    if (v < minimo || (v == minimo && fraccion && negativo)) return {Conversion::FueraDeIntervalo, minimo};
    if (primera > 5 || (primera == 5 && (restoNoCero || entero % 2 == 1))) ++entero;
    return {Conversion::Correcta, negativo ? -entero : entero};
}
