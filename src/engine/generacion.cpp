#include "generacion.h"

#include <algorithm>
#include <array>

#include "recorrido.h"

int16_t ContarCasillasSeleccionadas(const RejillaBase& rejilla) {
    int16_t n = 0;
    for (int c = 1; c <= kCasillas; ++c)
        if (rejilla.Seleccionada(static_cast<Casilla>(c))) ++n;
    return n;
}

void CargarNumerosSeleccionados(TablasSesion& tablas, const RejillaBase& rejilla) {
    const int32_t n = std::max<int32_t>(0, tablas.gNumElementos);
    tablas.gValorElemento.Redimensionar(1, n);
    int32_t siguiente = 1;
    for (int c = 1; c <= kCasillas && siguiente <= n; ++c)
        if (rejilla.Seleccionada(static_cast<Casilla>(c))) tablas.gValorElemento[siguiente++] = static_cast<Casilla>(c);
}

namespace {

// Elements are bytes and the grid has 50 cells.
int ElementosAGenerar(const TablasSesion& tablas) { return std::clamp<int>(tablas.gNumElementos, 0, kCasillas); }
int32_t FilasAGenerar(const TablasSesion& tablas) {
    return static_cast<int32_t>(NumCombinaciones(static_cast<int16_t>(ElementosAGenerar(tablas)), kPosiciones));
}

// Writes every 5-element set into gCombinaciones in index order, yielding
// every 1000 rows. After each run of rows that share their first four
// elements a < b < c < d, calls tramo(desde, hasta, a, b, c, d): rows
// desde..hasta end in d + 1, d + 2, ...
template <class Tramo>
int32_t Generar(TablasSesion& tablas, const Cesion& ceder, Tramo&& tramo) {
    const int n = ElementosAGenerar(tablas);
    const int32_t total = FilasAGenerar(tablas);
    tablas.gCombinaciones.Redimensionar(total);
    if (total == 0) return 0;

    uint8_t* fila = tablas.gCombinaciones.Fila(1);
    int32_t escritas = 0;
    int hastaCesion = 1000;
    for (int a = 1; a <= n - 4; ++a)
        for (int b = a + 1; b <= n - 3; ++b)
            for (int c = b + 1; c <= n - 2; ++c)
                for (int d = c + 1; d <= n - 1; ++d) {
                    const int32_t desde = escritas + 1;
                    for (int e = d + 1; e <= n; ++e) {
                        fila[0] = static_cast<uint8_t>(a);
                        fila[1] = static_cast<uint8_t>(b);
                        fila[2] = static_cast<uint8_t>(c);
                        fila[3] = static_cast<uint8_t>(d);
                        fila[4] = static_cast<uint8_t>(e);
                        fila += kPosiciones;
                        ++escritas;
                        if (--hastaCesion == 0) {
                            hastaCesion = 1000;
                            ceder();
                        }
                    }
                    tramo(desde, escritas, a, b, c, d);
                }
    return escritas;
}

// What the one-digit check needs: one mask of selected cells per position
// that has any (positions with none impose nothing), and per element its
// hit counter, four bits per position with a list, with the value the
// counters of a row must add up to: exactly one hit in each.
struct UnDigito {
    std::array<uint64_t, kPosiciones> listas{};
    int posiciones = 0;
    std::array<uint32_t, 256> contador{};
    uint32_t objetivo = 0;

    UnDigito(const recorrido::Elementos& el, const RejillaBase& rejilla) {
        std::array<uint32_t, kCasillas + 1> contadorDe{};
        for (int p = 1; p <= kPosiciones; ++p) {
            uint64_t lista = 0;
            for (int c = (p - 1) * 10 + 1; c <= p * 10; ++c)
                if (rejilla.Seleccionada(static_cast<Casilla>(c))) {
                    lista |= recorrido::BitDeCasilla(c);
                    contadorDe[c] = 1u << (4 * (p - 1));
                }
            if (lista == 0) continue;
            listas[posiciones++] = lista;
            objetivo |= 1u << (4 * (p - 1));
        }
        for (int e = 0; e < 256; ++e) contador[e] = contadorDe[el.casilla[e] <= kCasillas ? el.casilla[e] : 0];
    }
};

// Every position's pass visits the same rows and yields once before each
// row whose number is a multiple of 10000.
constexpr int32_t kPeriodoUnDigito = 10000;

}  // namespace

int32_t GenerarCombinaciones(TablasSesion& tablas, const Cesion& ceder) {
    return Generar(tablas, ceder, [](int32_t, int32_t, int, int, int, int) {});
}

int32_t GenerarComprobadas(TablasSesion& tablas, const RejillaBase& rejilla, const Cesion& ceder) {
    const recorrido::Elementos el(tablas);
    const UnDigito u(el, rejilla);
    // A row holding one cell twice counts it once; only elements sharing a
    // cell could make such a row here, and then the rows are checked apart.
    uint64_t vistas = 0;
    bool repetida = false;
    for (int e = 1; e < 256; ++e) {
        repetida = repetida || (vistas & el.bit[e]) != 0;
        vistas |= el.bit[e];
    }
    if (repetida) {
        GenerarCombinaciones(tablas, ceder);
        return FiltrarUnDigitoPorPosicion(tablas, rejilla, ceder);
    }
    // The rows the check would visit once they are written.
    const int32_t filas = u.posiciones == 0 ? 0
                                            : std::min({tablas.gNumCombinaciones, FilasAGenerar(tablas),
                                                        tablas.gEliminada.Superior()});
    uint8_t* marcas = recorrido::MarcasDeFilas(tablas.gEliminada);
    int32_t eliminadas = 0;
    int32_t siguienteCesion = kPeriodoUnDigito;
    Generar(tablas, ceder, [&](int32_t desde, int32_t hasta, int a, int b, int c, int d) {
        const uint32_t prefijo = u.contador[a] + u.contador[b] + u.contador[c] + u.contador[d];
        const int32_t ultima = std::min(hasta, filas);
        for (int32_t r = desde, e = d + 1; r <= ultima; ++r, ++e) {
            if (r == siguienteCesion) {
                for (int i = 0; i < u.posiciones; ++i) ceder();
                siguienteCesion += kPeriodoUnDigito;
            }
            if (marcas[r] != 0) continue;
            const bool falla = prefijo + u.contador[e] != u.objetivo;
            marcas[r] = falla ? 1 : 0;
            eliminadas += falla ? 1 : 0;
        }
    });
    return eliminadas;
}

int32_t FiltrarUnDigitoPorPosicion(TablasSesion& tablas, const RejillaBase& rejilla, const Cesion& ceder) {
    const recorrido::Elementos el(tablas);
    const UnDigito u(el, rejilla);
    const int posiciones = u.posiciones;
    if (posiciones == 0) return 0;
    const auto& listas = u.listas;
    const auto& contador = u.contador;
    const uint32_t objetivo = u.objetivo;
    // The hits of a position are the listed cells present in the row, so a
    // cell repeated in a row counts once: such rows take the slow count.
    auto fallaLenta = [&](uint64_t presentes) {
        for (int i = 0; i < posiciones; ++i)
            if (recorrido::ContarBits(presentes & listas[i]) != 1) return true;
        return false;
    };

    const int32_t filas = recorrido::FilasRecorribles(tablas);
    if (filas == 0) return 0;
    uint8_t* marcas = recorrido::MarcasDeFilas(tablas.gEliminada);
    const uint8_t* fila = tablas.gCombinaciones.Fila(1);
    int32_t eliminadas = 0;
    // Every position's pass eliminates a row when its own hit count is not
    // 1; a row fails when any of them does, so one visit judges all
    // positions.
    constexpr int32_t kPeriodo = kPeriodoUnDigito;
    int32_t r = 1;
    while (r <= filas) {
        if (r % kPeriodo == 0)
            for (int i = 0; i < posiciones; ++i) ceder();
        const int32_t fin = std::min(filas, (r / kPeriodo + 1) * kPeriodo - 1);
        for (; r <= fin; ++r, fila += kPosiciones) {
            if (marcas[r] != 0) continue;
            const uint64_t b0 = el.bit[fila[0]], b1 = el.bit[fila[1]], b2 = el.bit[fila[2]], b3 = el.bit[fila[3]],
                           b4 = el.bit[fila[4]];
            const uint64_t presentes = b0 | b1 | b2 | b3 | b4;
            bool falla;
            if (b0 + b1 + b2 + b3 + b4 == presentes) [[likely]] {
                falla = contador[fila[0]] + contador[fila[1]] + contador[fila[2]] + contador[fila[3]] +
                            contador[fila[4]] !=
                        objetivo;
            } else {
                falla = fallaLenta(presentes);
            }
            marcas[r] = falla ? 1 : 0;
            eliminadas += falla ? 1 : 0;
        }
    }
    return eliminadas;
}
