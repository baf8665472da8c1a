#include "campo_estrellas.h"

void CampoEstrellas::Renacer(size_t i, double ancho, double alto, FuenteAleatoria& azar) {
    x_[i] = static_cast<float>(-(azar.Siguiente() * ancho));
    y_[i] = static_cast<float>(azar.Siguiente() * alto);
    v_[i] = static_cast<float>(azar.Siguiente() * velocidadMaxima_);
}

void CampoEstrellas::Iniciar(double ancho, double alto, FuenteAleatoria& azar) {
    divisorVelocidad_ = 4;
    velocidadMaxima_ = 3;
    for (size_t i = 0; i < x_.size(); ++i) Renacer(i, ancho, alto, azar);
}

void CampoEstrellas::Avanzar(double ancho, double alto, FuenteAleatoria& azar) {
    for (size_t i = 0; i < x_.size(); ++i) {
        if (x_[i] < -5.0f) x_[i] += 10.0f;  // far-left stars come in faster
        const double x = static_cast<double>(x_[i]) + static_cast<double>(v_[i]) / divisorVelocidad_;
        if (x > ancho) {
            Renacer(i, ancho, alto, azar);
        } else {
            x_[i] = static_cast<float>(x);
        }
    }
}
