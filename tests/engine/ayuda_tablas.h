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

// Settings drawn at random, sparse enough that most filters keep some
// numbers; entries of 2 test that only a 1 allows and only a 0 rejects.
// Dense settings fill all 360 groups, all 60 blocks and all 360 reserve
// groups, with hit rows that seldom reject few hits, so that numbers survive.
inline AjustesFiltros AjustesAlAzar(Azar& azar, bool densos) {
    AjustesFiltros a;
    auto valor = [&](int porcentaje) -> uint8_t {
        const int v = azar.Entre(0, 99);
        return v < porcentaje ? 1 : v < porcentaje + 4 ? 2 : 0;
    };
    auto celdas = [&](Matriz<uint8_t>& m, int fila, int porcentaje) {
        for (int c = 1; c <= kCasillas; ++c) m(fila, c) = azar.Si(porcentaje);
    };
    auto fila = [&](uint8_t* f, int n, int porcentaje) {
        for (int j = 0; j < n; ++j) f[j] = valor(porcentaje);
    };
    // Per mil, how often a dense row rejects 0, 1, 2, 3.. hits: groups that
    // miss the grid (0 hits) are never rejected.
    const int rechazo[] = {0, 1, 3, 30, 30, 30};
    for (int i = densos ? kNumGrupos : azar.Entre(0, 3); i > 0; --i) {
        const int g = densos ? i : azar.Entre(1, kNumGrupos);
        celdas(a.NumerosGrupo, g, densos ? 20 : 12);
        for (int j = 0; j <= 5; ++j)
            a.AciertosGrupo(g, j) = !densos ? valor(65) : azar.Entre(0, 999) >= rechazo[j] ? 1 : azar.Entre(0, 1) * 2;
    }
    fila(&a.ParesActivos[0], 6, 55);
    fila(&a.NumerosSeguidos[0], 6, 50);
    fila(&a.FigurasSeguidos[1], 7, 60);
    a.SeguidosInversos = static_cast<int16_t>(azar.Entre(0, 2));
    // Now and then an interval with a maximum of 0: on, and holding no sum.
    for (int i = azar.Entre(0, 2); i > 0; --i) {
        const int n = azar.Entre(1, 10);
        a.SumaMinima[n] = static_cast<int16_t>(azar.Entre(-5, 40));
        a.SumaMaxima[n] = static_cast<int16_t>(azar.Si(10) ? 0 : azar.Entre(5, 50));
    }
    for (int d = 0; d <= 9; ++d)
        if (azar.Si(25)) fila(a.TerminadosEn.Fila(d), 6, 60);
    fila(&a.FigurasTerminaciones[1], 7, 60);
    a.SumaTerminacionesMinimo = static_cast<uint8_t>(azar.Entre(0, 15));
    a.SumaTerminacionesMaximo = static_cast<uint8_t>(azar.Entre(30, 45));
    // Blocks from the first, now and then from the second (the first empty
    // block ends the filter); now and then a gap among the subgroups.
    for (int b = !densos && azar.Si(10) ? 1 : 0, bloques = densos ? 60 : azar.Entre(0, 3); b < bloques; ++b) {
        const int subgrupos = azar.Entre(1, 6);
        for (int s = 1; s <= subgrupos; ++s)
            if (s == 1 || densos || azar.Si(91)) celdas(a.NumerosSubgrupo, b * 6 + s, 15);
        // Dense: conditions that fit the subgroups, on any of the six rows.
        for (int j = densos ? azar.Entre(1, subgrupos) : 6; j > 0; --j)
            if (densos || azar.Si(40)) fila(a.AciertosCondicion.Fila(b * 6 + (densos ? azar.Entre(1, 6) : j)), 6, densos ? 93 : 60);
    }
    // One position kept to about half its digits, the others seldom limited.
    for (int c = 1, p = azar.Entre(1, 5); c <= kCasillas; ++c) a.NumerosPosiciones[c] = azar.Si(PosicionDeCasilla(c) == p ? 50 : 3);
    std::array<int, 10> enReserva{};
    for (int i = densos ? kNumGrupos : azar.Entre(0, 29); i > 0; --i) {
        const int g = densos ? i : azar.Entre(1, kNumGrupos);
        a.IdGrupoReserva[g] = static_cast<uint8_t>(azar.Entre(0, 9));  // 0 and 9 belong to no reserve
        ++enReserva[a.IdGrupoReserva[g]];
        celdas(a.NumerosGrupoReserva, g, densos ? 20 : 10);
        fila(a.AciertosGrupoReserva.Fila(g), 7, densos ? 85 : 60);
    }
    // Dense: most of the reserve's groups satisfied, around the counts
    // numbers reach.
    for (int r = 1; r <= kNumReservas; ++r)
        if (azar.Si(densos ? 60 : 35))
            for (int j = densos ? enReserva[r] * 8 / 10 - azar.Entre(0, 2) : 0; j <= kMaxAciertosReserva; ++j)
                a.AciertosReserva(r, j) = j < 8 || densos ? valor(densos ? 75 : 55) : 0;
    return a;
}

}  // namespace prueba
