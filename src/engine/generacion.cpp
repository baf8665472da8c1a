#include "generacion.h"

#include <algorithm>

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

int32_t GenerarCombinaciones(TablasSesion& tablas, const Cesion& ceder) {
    // Elements are bytes and the grid has 50 cells.
    const int n = std::clamp<int>(tablas.gNumElementos, 0, kCasillas);
    const auto total = static_cast<int32_t>(NumCombinaciones(static_cast<int16_t>(n), kPosiciones));
    tablas.gCombinaciones.Redimensionar(total);
    if (total == 0) return 0;

    uint8_t* fila = tablas.gCombinaciones.Fila(1);
    int32_t escritas = 0;
    int hastaCesion = 1000;
    for (int a = 1; a <= n - 4; ++a)
        for (int b = a + 1; b <= n - 3; ++b)
            for (int c = b + 1; c <= n - 2; ++c)
                for (int d = c + 1; d <= n - 1; ++d)
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
    return escritas;
}

int32_t FiltrarUnDigitoPorPosicion(TablasSesion& tablas, const RejillaBase& rejilla, const Cesion& ceder) {
    // One mask of selected cells per position that has any; positions with
    // none impose nothing.
    std::array<uint64_t, kPosiciones> listas{};
    int posiciones = 0;
    // Hit counters of the positions with a list, four bits each, and the
    // value they must add up to: exactly one hit in each.
    std::array<uint32_t, kCasillas + 1> contadorDe{};
    uint32_t objetivo = 0;
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
    if (posiciones == 0) return 0;

    const recorrido::Elementos el(tablas);
    std::array<uint32_t, 256> contador{};
    for (int e = 0; e < 256; ++e) contador[e] = contadorDe[el.casilla[e] <= kCasillas ? el.casilla[e] : 0];
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
    // Every position's pass visits the same rows and eliminates a row when
    // its own hit count is not 1; a row fails when any of them does, so one
    // visit judges all positions, yielding once per position before each
    // row whose number is a multiple of 10000.
    constexpr int32_t kPeriodo = 10000;
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
