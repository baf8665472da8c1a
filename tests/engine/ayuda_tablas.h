#pragma once
// Builds combination tables from readable numbers for the engine tests, and
// reads expected documents from tests/data.
#include <array>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "condicionar.h"
#include "generacion.h"
#include "sesion.h"

namespace prueba {

// The bytes of a file under tests/data.
inline std::string Dato(const char* nombre) {
    std::ifstream f(std::string(VORTESALIN_DATOS_PRUEBA) + "/" + nombre, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// Cell rows (TablaNumeros) of readable numbers such as "01234".
inline TablaNumeros Tabla(const std::vector<std::string>& numeros) {
    TablaNumeros t(static_cast<int32_t>(numeros.size()));
    for (int32_t i = 1; i <= t.Filas(); ++i)
        for (int p = 1; p <= 5; ++p)
            t(i, p) = CasillaDeDigito(static_cast<uint8_t>(numeros[i - 1][p - 1] - '0'), static_cast<int16_t>(p));
    return t;
}

inline RejillaBase RejillaCon(std::initializer_list<int> casillas) {
    RejillaBase r;
    for (int c : casillas) r.Fijar(static_cast<Casilla>(c), true);
    return r;
}

// Calls f(index, set) for every 5-element subset of 1..n, in lexicographic
// order, index from 1.
template <class F>
void ParaCadaCincoDe(int n, F&& f) {
    std::array<uint8_t, 5> c{};
    int32_t indice = 0;
    for (c[0] = 1; c[0] <= n; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= n; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= n; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= n; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= n; ++c[4]) f(++indice, c);
}

// The draws of the randomized tests.
struct Azar {
    std::mt19937 g;
    explicit Azar(uint32_t semilla) : g(semilla) {}
    int Entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); }
    bool Si(int porcentaje) { return Entre(0, 99) < porcentaje; }
};

// A grid with each cell selected with the given chance (at least 5 cells).
inline RejillaBase RejillaAlAzar(Azar& azar, int porcentaje) {
    RejillaBase rejilla;
    while (rejilla.Contar() < 5)
        for (int c = 1; c <= kCasillas; ++c)
            if (azar.Si(porcentaje)) rejilla.Fijar(static_cast<Casilla>(c), true);
    return rejilla;
}

// Every 5-element set of the grid's cells, all live, as "Calcular" starts.
inline TablasSesion Generadas(const RejillaBase& rejilla) {
    TablasSesion t;
    t.gNumElementos = ContarCasillasSeleccionadas(rejilla);
    CargarNumerosSeleccionados(t, rejilla);
    t.gNumCombinaciones = GenerarCombinaciones(t, Cesion());
    t.gEliminada.Preparar(t.gNumCombinaciones);
    return t;
}

// `filas` numbers of the grid's cells, one element per position as the
// import maps them, in no particular order; now and then a missing element
// (0). All rows live.
inline TablasSesion Importadas(Azar& azar, const RejillaBase& rejilla, int32_t filas) {
    TablasSesion t;
    t.gNumElementos = ContarCasillasSeleccionadas(rejilla);
    CargarNumerosSeleccionados(t, rejilla);
    std::vector<std::vector<uint8_t>> dePosicion(6);
    for (int e = 1; e <= t.gNumElementos; ++e)
        dePosicion[PosicionDeCasilla(t.gValorElemento[e])].push_back(static_cast<uint8_t>(e));
    t.gNumCombinaciones = filas;
    t.gCombinaciones.Redimensionar(filas);
    for (int r = 1; r <= filas; ++r)
        for (int p = 1; p <= 5; ++p) {
            const auto& v = dePosicion[p];
            if (!v.empty() && !azar.Si(2)) t.gCombinaciones(r, p) = v[azar.Entre(0, int(v.size()) - 1)];
        }
    t.gEliminada.Preparar(filas);
    return t;
}

}  // namespace prueba
