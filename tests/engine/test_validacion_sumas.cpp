#include <gtest/gtest.h>

#include "validacion_sumas.h"

namespace {
using Textos = std::array<std::string, kIntervalosSuma>;

Textos Ceros() {
    Textos t;
    t.fill("0");
    return t;
}

const std::string kNulos = "ERROR: No se permiten valores nulos en los intervalos";
const std::string kMinimo = "ERROR: La suma mínima de los intervalos activados(<>0) debe ser mayor que 0";
const std::string kMaximo = "ERROR: La suma máxima de los intervalos activados(<>0) debe ser menor que 46";
const std::string kOrden = "ERROR: La suma mínima de un intervalo no puede ser mayor que la suma máxima";
const std::string kNumeros = "ERROR: Los intervalos solo admiten números";
}  // namespace

// A valid interval 1 (1-9), then the row's interval 4: read when valid,
// otherwise its message and nothing read at all.
TEST(ValidacionSumas, CadaIntervaloSeLeeODaSuMensaje) {
    const struct {
        const char* minimo;
        const char* maximo;
        const std::string& mensaje;
        int16_t leidoMin, leidoMax;
    } casos[] = {
        {"007", " 45", "", 7, 45},  // leading zeros and blanks
        {"0", "10", "", 0, 10},     // an active interval may start at 0
        {"12", "12", "", 12, 12},
        {"-0", "0", "", 0, 0},      // inactive: not checked further
        {"", "0", kNulos, 0, 0},   {"0", "  ", kNulos, 0, 0},   {"-5", "10", kMinimo, 0, 0},
        {"5", "46", kMaximo, 0, 0}, {"20", "10", kOrden, 0, 0}, {"x", "5", kNumeros, 0, 0},
    };
    for (const auto& c : casos) {
        Textos minimos = Ceros(), maximos = Ceros();
        minimos[0] = "1";
        maximos[0] = "9";
        minimos[3] = c.minimo;
        maximos[3] = c.maximo;
        IntervalosSuma leidos;
        leidos.minimos[0] = 33;
        EXPECT_EQ(ValidarIntervalosSuma(minimos, maximos, leidos), c.mensaje) << c.minimo << " " << c.maximo;
        IntervalosSuma esperados;
        esperados.minimos[0] = c.mensaje.empty() ? 1 : 33;
        esperados.maximos[0] = c.mensaje.empty() ? 9 : 0;
        esperados.minimos[3] = c.leidoMin;
        esperados.maximos[3] = c.leidoMax;
        EXPECT_EQ(leidos.minimos, esperados.minimos) << c.minimo << " " << c.maximo;
        EXPECT_EQ(leidos.maximos, esperados.maximos) << c.minimo << " " << c.maximo;
    }
}
