#include <gtest/gtest.h>

#include <string>

#include "validacion_terminaciones.h"

TEST(SumaTerminaciones, PrimerFalloEnOrdenYCotasLeidas) {
    struct Caso {
        const char* minimo;
        const char* maximo;
        const char* error;
        int valorMin;
        int valorMax;
    };
    const char* const kBlancoMinima = "ERROR: La suma mínima no puede estar en blanco";
    const char* const kBlancoMaxima = "ERROR: La suma máxima no puede estar en blanco";
    const Caso casos[] = {
        {"", "", kBlancoMinima, 0, 0},
        {"  ", "45", kBlancoMinima, 0, 0},
        {"50", " ", kBlancoMaxima, 0, 0},  // blank reported before the order
        {"21", "20", "ERROR: suma mínima mayor que suma máxima", 21, 20},
        {"9", "10", nullptr, 9, 10},  // numeric, not text, order
        {"20", "20", nullptr, 20, 20},
        {"0", "99", nullptr, 0, 99},
        {" 7", "07 ", nullptr, 7, 7},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.minimo) + " / " + c.maximo);
        const ResultadoSumaTerminaciones r = ValidarSumaTerminaciones(c.minimo, c.maximo);
        if (c.error == nullptr) {
            EXPECT_EQ(r.error, nullptr);
            EXPECT_EQ(r.minimo, c.valorMin);
            EXPECT_EQ(r.maximo, c.valorMax);
        } else {
            ASSERT_NE(r.error, nullptr);
            EXPECT_STREQ(r.error, c.error);
        }
    }
}
