#pragma once
// The three reduction methods. They know nothing of the run that calls them:
// they yield and read the stop flag through a Cesion, move the progress bar,
// and hand the cycle caption and each better result to a SalidaMetodo.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "aleatorio.h"
#include "arreglo.h"
#include "cesion.h"
#include "observador_reduccion.h"
#include "reduccion_entradas.h"

// The options a method works with, already normalised.
struct ParametrosMetodo {
    // Covering: Hamming radius on the bit vectors; sequential: the number of
    // digits in which a covered number may differ.
    int16_t radio = 0;
    int16_t porcentajeObjetivo = 100;
    int32_t apuestasObjetivo = 1;
    bool modoApuestas = false;
    bool conCiclos = false;
    bool conAleatorio = false;
    bool conApuestasExactas = false;
};

// Where a method's output goes.
class SalidaMetodo {
public:
    virtual ~SalidaMetodo() = default;
    // The cycle caption.
    virtual void MostrarCiclo(const std::string& texto) = 0;
    // A result smaller than every one before it: the kept bets (numbers of
    // the inputs) in the order they were kept, found in cycle `ciclo`.
    virtual void Publicar(const std::vector<int32_t>& apuestas, double ciclo) = 0;
};

// Each runs over one cycle or, with cycles, over shuffled cycles until it is
// stopped or cannot do better; returns the cycles completed (0: nothing was
// published). `entradas` must hold at least one bet; its order is shuffled.
// `ceder` yields at the counts each method gives and holds the stop flag.
double ReducirPorCobertura(TablasReduccion& entradas, const ParametrosMetodo& p, FuenteAleatoria& aleatorio,
                           const Cesion& ceder, ProgresoReduccion& progreso, SalidaMetodo& salida);
double ReducirSecuencialExacto(TablasReduccion& entradas, const ParametrosMetodo& p, FuenteAleatoria& aleatorio,
                               const Cesion& ceder, ProgresoReduccion& progreso, SalidaMetodo& salida);
double ReducirSecuencialPorcentaje(TablasReduccion& entradas, const ParametrosMetodo& p, FuenteAleatoria& aleatorio,
                                   const Cesion& ceder, ProgresoReduccion& progreso, SalidaMetodo& salida);

// The shuffle between cycles: repeatable from the cycle number unless
// `conAleatorio`.
inline void BarajarOrden(Arreglo<int32_t>& orden, int32_t n, double ciclo, bool conAleatorio,
                         FuenteAleatoria& aleatorio) {
    if (!conAleatorio) {
        aleatorio.Reiniciar();
        aleatorio.Sembrar(ciclo + 1234);
    } else {
        aleatorio.SembrarConReloj();
    }
    for (int32_t i = 1; i <= n; ++i) std::swap(orden[i], orden[PosicionAleatoria(aleatorio, n)]);
}
