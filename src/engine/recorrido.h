#pragma once
// Inner helpers shared by the check and the filters: per-element lookup
// tables and a scan of the live rows of gEliminada that keeps the yield
// count of a row-by-row loop.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "cesion.h"
#include "modelo.h"
#include "sesion.h"

namespace recorrido {

static_assert(std::endian::native == std::endian::little, "the live-row scan reads flag bytes as words");

// Bit c (1..50) stands for cell c; anything else has no bit.
inline uint64_t BitDeCasilla(int c) { return c >= 1 && c <= kCasillas ? uint64_t{1} << c : 0; }

// Bits set in x. The build targets the baseline instruction set, where
// std::popcount becomes a library call; this stays inline.
inline int ContarBits(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

// What each element value 0..255 of a row stands for. Element 0 (an imported
// cell with no element) and elements beyond N have no cell.
struct Elementos {
    std::array<uint8_t, 256> casilla{};
    std::array<uint8_t, 256> digito{};
    std::array<uint64_t, 256> bit{};

    explicit Elementos(const TablasSesion& t) {
        const int32_t n = std::min<int32_t>(t.gNumElementos, t.gValorElemento.Superior());
        for (int32_t e = 1; e <= std::min<int32_t>(n, 255); ++e) {
            const uint8_t c = t.gValorElemento[e];
            casilla[e] = c;
            digito[e] = DigitoDeCasilla(c);
            bit[e] = BitDeCasilla(c);
        }
    }
    uint64_t Mascara(const uint8_t* fila) const {
        return bit[fila[0]] | bit[fila[1]] | bit[fila[2]] | bit[fila[3]] | bit[fila[4]];
    }
};

// Rows a pass may visit: never beyond the combination table or the flags.
inline int32_t FilasRecorribles(const TablasSesion& t) {
    return std::max<int32_t>(0, std::min({t.gNumCombinaciones, t.gCombinaciones.Filas(), t.gEliminada.Superior()}));
}

// Calls ceder as often as `pasadas` row-by-row passes over `filas` rows that
// yield every `periodo` rows would.
inline void CederComoPasadas(int32_t filas, int32_t periodo, int pasadas, const Cesion& ceder) {
    const int64_t veces = static_cast<int64_t>(filas / periodo) * pasadas;
    for (int64_t i = 0; i < veces; ++i) ceder();
}

// Calls visitar(r) for every live row r = 1..filas in order, reading the
// flags eight at a time so that long stretches of eliminated rows cost
// little. visitar may eliminate the row it is given.
template <class Visitar>
void ParaCadaViva(uint8_t* marcas, int32_t filas, Visitar&& visitar) {
    constexpr uint64_t k7F = 0x7F7F7F7F7F7F7F7FULL;
    int32_t r = 1;
    for (; r + 7 <= filas; r += 8) {
        uint64_t bloque;
        std::memcpy(&bloque, marcas + r, sizeof bloque);
        // High bit set exactly in the bytes that are 0 (live rows).
        uint64_t vivas = ~(((bloque & k7F) + k7F) | bloque | k7F);
        while (vivas != 0) {
            visitar(r + std::countr_zero(vivas) / 8);
            vivas &= vivas - 1;
        }
    }
    for (; r <= filas; ++r)
        if (marcas[r] == 0) visitar(r);
}

// marcas[r] is the flag of row r (entry -1 comes first).
inline uint8_t* MarcasDeFilas(MarcasEliminacion& m) { return m.Datos() + 1; }

// Visits the live rows and eliminates those for which falla(fila) is true;
// returns how many it eliminated. Several passes of one filter are fused
// into this one visit: each row is judged by all of them at once, and at
// every multiple of `periodo` ceder runs `pasadas` times, so the yield count
// equals that of the separate passes.
template <class Falla>
int32_t EliminarFallidas(TablasSesion& t, int32_t periodo, int pasadas, const Cesion& ceder, Falla&& falla) {
    const int32_t filas = FilasRecorribles(t);
    if (filas == 0) return 0;
    uint8_t* marcas = MarcasDeFilas(t.gEliminada);
    const uint8_t* primera = t.gCombinaciones.Fila(1);
    int32_t eliminadas = 0;
    int32_t siguienteCesion = periodo;
    auto cederHasta = [&](int32_t r) {
        while (siguienteCesion <= r) {
            for (int i = 0; i < pasadas; ++i) ceder();
            siguienteCesion += periodo;
        }
    };
    ParaCadaViva(marcas, filas, [&](int32_t r) {
        cederHasta(r);
        if (falla(primera + static_cast<size_t>(r - 1) * kPosiciones)) {
            marcas[r] = 1;
            ++eliminadas;
        }
    });
    cederHasta(filas);
    return eliminadas;
}

}  // namespace recorrido
