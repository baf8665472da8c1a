#include <gtest/gtest.h>

#include "campo_estrellas.h"

namespace {
constexpr int kN = CampoEstrellas::kEstrellas;

// The step a star takes in one frame when it does not leave on the right.
double PasoEsperado(float x, float v) {
    if (x < -5.0f) x += 10.0f;
    return static_cast<double>(x) + static_cast<double>(v) / 4.0;
}
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

TEST(CampoEstrellas, LasLejanasAvanzanDiezMasSuPasoHastaLlegarAMenosCinco) {
    FuenteAleatoria azar;
    azar.Sembrar(5);
    CampoEstrellas campo;
    campo.Iniciar(800, 600, azar);
    int lejanas = 0, cercanas = 0;
    for (int frame = 0; frame < 120; ++frame) {
        const CampoEstrellas antes = campo;
        campo.Avanzar(800, 600, azar);
        for (int i = 0; i < kN; ++i) {
            if (antes.X(i) + 10.0f + antes.V(i) / 4.0f > 800.0f) continue;  // may leave on the right
            EXPECT_FLOAT_EQ(campo.X(i), static_cast<float>(PasoEsperado(antes.X(i), antes.V(i)))) << i;
            EXPECT_EQ(campo.Y(i), antes.Y(i));
            EXPECT_EQ(campo.V(i), antes.V(i));
            const float avance = campo.X(i) - antes.X(i);
            if (antes.X(i) < -5.0f) {
                ++lejanas;
                EXPECT_GE(avance, 9.999f);
            } else {
                ++cercanas;
                EXPECT_LT(avance, 0.76f);
            }
        }
    }
    // 800 units at 10 a frame: after 120 frames every star has reached -5.
    for (int i = 0; i < kN; ++i) EXPECT_GE(campo.X(i), -5.0f) << i;
    EXPECT_GT(lejanas, 0);
    EXPECT_GT(cercanas, 0);
}

TEST(CampoEstrellas, LaQueSalePorLaDerechaRenaceALaIzquierdaConNuevaAlturaYVelocidad) {
    // A narrow field so that stars leave on the right often.
    const double ancho = 3, alto = 2;
    FuenteAleatoria azar, gemela;
    azar.Sembrar(1234);
    gemela.Sembrar(1234);
    CampoEstrellas campo;
    campo.Iniciar(ancho, alto, azar);
    for (int i = 0; i < 3 * kN; ++i) gemela.Siguiente();

    int renacidas = 0;
    for (int frame = 0; frame < 200; ++frame) {
        const CampoEstrellas antes = campo;
        campo.Avanzar(ancho, alto, azar);
        for (int i = 0; i < kN; ++i) {
            if (PasoEsperado(antes.X(i), antes.V(i)) > ancho) {
                ++renacidas;
                const double rx = gemela.Siguiente(), ry = gemela.Siguiente(), rv = gemela.Siguiente();
                EXPECT_FLOAT_EQ(campo.X(i), static_cast<float>(-(rx * ancho)));
                EXPECT_FLOAT_EQ(campo.Y(i), static_cast<float>(ry * alto));
                EXPECT_FLOAT_EQ(campo.V(i), static_cast<float>(rv * 3));
                EXPECT_LE(campo.X(i), 0.0f);
            } else {
                EXPECT_EQ(campo.Y(i), antes.Y(i));
                EXPECT_EQ(campo.V(i), antes.V(i));
            }
        }
    }
    EXPECT_GT(renacidas, kN);
    EXPECT_EQ(azar.Siguiente(), gemela.Siguiente());  // no stray draws
}

TEST(CampoEstrellas, SiguenDentroDelAreaAunqueLaVentanaCambieDeTamano) {
    FuenteAleatoria azar;
    azar.Sembrar(9);
    CampoEstrellas campo;
    campo.Iniciar(400, 300, azar);
    auto comprobar = [&](double ancho, double alto) {
        for (int i = 0; i < kN; ++i) {
            EXPECT_LE(campo.X(i), ancho) << i;
            EXPECT_GE(campo.X(i), -400.0f) << i;
            EXPECT_GE(campo.Y(i), 0.0f) << i;
            EXPECT_LT(campo.Y(i), alto) << i;
            EXPECT_GE(campo.V(i), 0.0f) << i;
            EXPECT_LT(campo.V(i), 3.0f) << i;
        }
    };
    for (int frame = 0; frame < 3000; ++frame) campo.Avanzar(400, 300, azar);
    comprobar(400, 300);
    // Shrunk: stars beyond the new right edge restart at the left.
    campo.Avanzar(120, 80, azar);
    for (int i = 0; i < kN; ++i) EXPECT_LE(campo.X(i), 120.0f) << i;
    for (int frame = 0; frame < 3000; ++frame) campo.Avanzar(120, 80, azar);
    comprobar(120, 300);
    int renacidasEnPequeno = 0;
    for (int i = 0; i < kN; ++i) renacidasEnPequeno += campo.Y(i) < 80.0f;
    EXPECT_GT(renacidasEnPequeno, kN / 2);
}
