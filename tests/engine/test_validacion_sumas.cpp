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

TEST(ValidacionSumas, IntervalosValidosSeLeenConCerosAlaIzquierdaYBlancos) {
    Textos minimos = Ceros(), maximos = Ceros();
    minimos[0] = "007";
    maximos[0] = " 45";
    minimos[1] = "0";  // an active interval may start at 0
    maximos[1] = "10";
    minimos[9] = "12";
    maximos[9] = "12";
    IntervalosSuma leidos;
    ASSERT_EQ(ValidarIntervalosSuma(minimos, maximos, leidos), "");
    EXPECT_EQ(leidos.minimos[0], 7);
    EXPECT_EQ(leidos.maximos[0], 45);
    EXPECT_EQ(leidos.minimos[1], 0);
    EXPECT_EQ(leidos.maximos[1], 10);
    EXPECT_EQ(leidos.minimos[9], 12);
    EXPECT_EQ(leidos.maximos[9], 12);
    for (int i = 2; i < 9; ++i) EXPECT_EQ(leidos.minimos[i] | leidos.maximos[i], 0);
}

TEST(ValidacionSumas, CadaFalloDaSuMensajeYNoCambiaNada) {
    struct Caso {
        const char* minimo;
        const char* maximo;
        const std::string& mensaje;
    };
    const Caso casos[] = {
        {"", "0", kNulos},   {"0", "  ", kNulos},   {"-5", "10", kMinimo}, {"5", "46", kMaximo},
        {"20", "10", kOrden}, {"x", "5", kNumeros},
    };
    for (const Caso& c : casos) {
        Textos minimos = Ceros(), maximos = Ceros();
        minimos[0] = "1";  // a valid interval before the failing one
        maximos[0] = "9";
        minimos[3] = c.minimo;
        maximos[3] = c.maximo;
        IntervalosSuma leidos;
        leidos.minimos[0] = 33;
        EXPECT_EQ(ValidarIntervalosSuma(minimos, maximos, leidos), c.mensaje) << c.minimo << " " << c.maximo;
        EXPECT_EQ(leidos.minimos[0], 33);
    }
    // 5-45 is the widest accepted; an inactive -0 interval is not checked further.
    Textos minimos = Ceros(), maximos = Ceros();
    minimos[4] = "5";
    maximos[4] = "45";
    minimos[5] = "-0";
    IntervalosSuma leidos;
    EXPECT_EQ(ValidarIntervalosSuma(minimos, maximos, leidos), "");
}

TEST(ValidacionSumas, LecturaDeEnteros) {
    int16_t v = 99;
    EXPECT_TRUE(LeerEnteroCaja("+12", v));
    EXPECT_EQ(v, 12);
    EXPECT_TRUE(LeerEnteroCaja("-32768", v));
    EXPECT_EQ(v, -32768);
    for (const char* malo : {"", "-", "1 2", "1e2", "32768", "99999999999", "٣"}) EXPECT_FALSE(LeerEnteroCaja(malo, v)) << malo;
}
