#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "validacion_terminaciones.h"

TEST(SumaTerminaciones, PrimerFalloEnOrdenYCotasLeidas) {
    const char* const kBlancoMinima = "ERROR: La suma mínima no puede estar en blanco";
    const char* const kBlancoMaxima = "ERROR: La suma máxima no puede estar en blanco";
    // Minimum, maximum, the message (null when they pass) and the bounds read.
    const std::tuple<const char*, const char*, const char*, int, int> casos[] = {
        {"", "", kBlancoMinima, 0, 0},
        {"  ", "45", kBlancoMinima, 0, 0},
        {"50", " ", kBlancoMaxima, 0, 0},  // blank reported before the order
        {"21", "20", "ERROR: suma mínima mayor que suma máxima", 0, 0},
        {"9", "10", nullptr, 9, 10},  // numeric, not text, order
        {"20", "20", nullptr, 20, 20},
        {"0", "99", nullptr, 0, 99},
        {" 7", "07 ", nullptr, 7, 7},
    };
    for (const auto& [minimo, maximo, error, valorMin, valorMax] : casos) {
        const ResultadoSumaTerminaciones r = ValidarSumaTerminaciones(minimo, maximo);
        EXPECT_STREQ(r.error, error) << minimo << " / " << maximo;
        if (error == nullptr) {
            EXPECT_EQ((std::array{r.minimo, r.maximo}), (std::array{valorMin, valorMax})) << minimo;
        }
    }
}
