#pragma once
// The star field behind the About window. Stars start at or left of the left
// edge, drift right at their own speed (which is also their radius) and, once
// past the right edge, come back from the left with a new height and speed.
// Width and height are passed on every call, so a resized window is followed.
#include <array>
#include <cstddef>
#include <cstdint>

#include "aleatorio.h"

class CampoEstrellas {
public:
    static constexpr int kEstrellas = 151;  // stars 0..150

    // Scatters the stars: for each one, in order, three draws give
    // x = -(r * ancho), y = r * alto and speed = r * maximum speed.
    void Iniciar(double ancho, double alto, FuenteAleatoria& azar);

    // One frame over every star in order. A star left of -5 first jumps 10
    // to the right; then it moves by speed / divisor; past the right edge it
    // restarts at or left of the left edge with three fresh draws.
    void Avanzar(double ancho, double alto, FuenteAleatoria& azar);

    float X(int i) const { return x_[static_cast<size_t>(i)]; }
    float Y(int i) const { return y_[static_cast<size_t>(i)]; }
    // Speed, also the radius the star is drawn with.
    float V(int i) const { return v_[static_cast<size_t>(i)]; }
    int32_t DivisorVelocidad() const { return divisorVelocidad_; }
    int32_t VelocidadMaxima() const { return velocidadMaxima_; }

private:
    void Renacer(size_t i, double ancho, double alto, FuenteAleatoria& azar);

    std::array<float, kEstrellas> x_{};
    std::array<float, kEstrellas> y_{};
    std::array<float, kEstrellas> v_{};
    int32_t divisorVelocidad_ = 4;
    int32_t velocidadMaxima_ = 3;
};
