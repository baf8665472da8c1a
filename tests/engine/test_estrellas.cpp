#include <gtest/gtest.h>

#include "campo_estrellas.h"

namespace {
constexpr int kN = CampoEstrellas::kEstrellas;
}  // namespace

TEST(CampoEstrellas, CadaEstrellaTomaTresValoresEnOrdenYEmpiezaALaIzquierda) {
    FuenteAleatoria azar, gemela;
    azar.Sembrar(77);
    gemela.Sembrar(77);
    CampoEstrellas campo;
    campo.Iniciar(640, 480, azar);
    EXPECT_EQ(campo.DivisorVelocidad(), 4);
    EXPECT_EQ(campo.VelocidadMaxima(), 3);
    for (int i = 0; i < kN; ++i) {
        const double rx = gemela.Siguiente(), ry = gemela.Siguiente(), rv = gemela.Siguiente();
        EXPECT_FLOAT_EQ(campo.X(i), static_cast<float>(-(rx * 640))) << i;
        EXPECT_FLOAT_EQ(campo.Y(i), static_cast<float>(ry * 480)) << i;
        EXPECT_FLOAT_EQ(campo.V(i), static_cast<float>(rv * 3)) << i;
        EXPECT_LE(campo.X(i), 0.0f);
        EXPECT_GE(campo.X(i), -640.0f);
    }
    // Exactly three draws per star: both sources are at the same point now.
    EXPECT_EQ(azar.Siguiente(), gemela.Siguiente());
}

// Frame after frame, star by star: a star left of -5 jumps 10, then moves
// speed / 4 and, past the right edge, is reborn from three fresh draws in
// order. Halfway the field shrinks, as a resized window does.
TEST(CampoEstrellas, AvanzanYRenacenALaIzquierda) {
    FuenteAleatoria azar, gemela;
    azar.Sembrar(1234);
    gemela.Sembrar(1234);
    CampoEstrellas campo;
    campo.Iniciar(200, 100, azar);
    for (int i = 0; i < 3 * kN; ++i) gemela.Siguiente();
    int lejanas = 0, renacidas = 0;
    for (int frame = 0; frame < 400; ++frame) {
        const double ancho = frame < 200 ? 200 : 30, alto = frame < 200 ? 100 : 20;
        const CampoEstrellas antes = campo;
        campo.Avanzar(ancho, alto, azar);
        for (int i = 0; i < kN; ++i) {
            float x = antes.X(i);
            if (x < -5.0f) {
                x += 10.0f;
                ++lejanas;
            }
            const double paso = static_cast<double>(x) + static_cast<double>(antes.V(i)) / 4.0;
            if (paso > ancho) {
                ++renacidas;
                ASSERT_FLOAT_EQ(campo.X(i), static_cast<float>(-(gemela.Siguiente() * ancho))) << frame << " " << i;
                ASSERT_FLOAT_EQ(campo.Y(i), static_cast<float>(gemela.Siguiente() * alto));
                ASSERT_FLOAT_EQ(campo.V(i), static_cast<float>(gemela.Siguiente() * 3));
            } else {
                ASSERT_FLOAT_EQ(campo.X(i), static_cast<float>(paso)) << frame << " " << i;
                ASSERT_EQ(campo.Y(i), antes.Y(i));
                ASSERT_EQ(campo.V(i), antes.V(i));
            }
        }
    }
    EXPECT_GT(lejanas, kN);
    EXPECT_GT(renacidas, kN);
    EXPECT_EQ(azar.Siguiente(), gemela.Siguiente());  // no stray draws
}
