#pragma once
// The digit-sum bounds of the TERMINACIONES editor, checked when it closes.
#include <string_view>

inline constexpr const char* kErrorSumaMinimaEnBlanco = "ERROR: La suma mínima no puede estar en blanco";
inline constexpr const char* kErrorSumaMaximaEnBlanco = "ERROR: La suma máxima no puede estar en blanco";
inline constexpr const char* kErrorSumaMinimaMayor = "ERROR: suma mínima mayor que suma máxima";

struct ResultadoSumaTerminaciones {
    // The message of the first failing check, or null when both bounds pass.
    const char* error = nullptr;
    int minimo = 0;
    int maximo = 0;
};

// The numeric value of a box's text: leading digits, blanks skipped, up to the
// first other character ("" or "x" is 0).
int ValorCotaSuma(std::string_view texto);

// Checks, in order: minimum blank, maximum blank, minimum above maximum.
ResultadoSumaTerminaciones ValidarSumaTerminaciones(std::string_view minimo, std::string_view maximo);
