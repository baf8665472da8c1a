#include <gtest/gtest.h>

#include "campo_estrellas.h"

// Stars start inside the field at or left of its left edge, drift right
// (far-left ones jump in first) and, past the right edge, come back from the
// left. Halfway the field shrinks, as a resized window does.
TEST(CampoEstrellas, AvanzanYRenacenALaIzquierda) {
    FuenteAleatoria azar;
    azar.Sembrar(1234);
    CampoEstrellas campo;
    campo.Iniciar(200, 100, azar);
    int renacidas = 0, lejanas = 0;
    for (int frame = 0; frame <= 400; ++frame) {
        const float ancho = frame <= 200 ? 200 : 30, alto = frame <= 200 ? 100 : 20;
        const CampoEstrellas antes = campo;
        if (frame > 0) campo.Avanzar(ancho, alto, azar);
        for (int i = 0; i < CampoEstrellas::kEstrellas; ++i) {
            const float x = campo.X(i);
            if (frame == 0 || x < antes.X(i)) {
                renacidas += frame > 0;
                ASSERT_TRUE(x <= 0 && x >= -ancho && campo.Y(i) >= 0 && campo.Y(i) <= alto) << frame << " " << i;
            } else {
                lejanas += antes.X(i) < -5;
                ASSERT_GE(x - antes.X(i), antes.X(i) < -5 ? 10 : 0) << frame << " " << i;
                ASSERT_EQ(campo.Y(i), antes.Y(i));
            }
            ASSERT_LE(x, ancho);
            ASSERT_TRUE(campo.V(i) >= 0 && campo.V(i) <= campo.VelocidadMaxima());
        }
    }
    EXPECT_GT(renacidas, CampoEstrellas::kEstrellas);
    EXPECT_GT(lejanas, CampoEstrellas::kEstrellas);
}
