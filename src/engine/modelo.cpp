#include "modelo.h"

#include <algorithm>
#include <array>

namespace {

// Exact C(n,k) for the sizes the program uses (n <= 50, k <= 6), built once.
constexpr int kMaxN = 50;
constexpr int kMaxK = 6;
using TablaBinomial = std::array<std::array<int64_t, kMaxK + 1>, kMaxN + 1>;

constexpr TablaBinomial ConstruirBinomiales() {
    TablaBinomial t{};
    for (int n = 0; n <= kMaxN; ++n) {
        t[n][0] = 1;
        for (int k = 1; k <= kMaxK; ++k)
            t[n][k] = n == 0 ? 0 : t[n - 1][k - 1] + t[n - 1][k];
    }
    return t;
}
constexpr TablaBinomial kBinomiales = ConstruirBinomiales();

// kPrefijo[j][x] = sum over v = 1..x of C(50 - v, j): the blocks skipped
// before value x + 1 at a level with j elements still to place.
using TablaPrefijo = std::array<std::array<int32_t, kMaxN + 1>, kPosiciones>;
constexpr TablaPrefijo ConstruirPrefijos() {
    TablaPrefijo p{};
    for (int j = 0; j < kPosiciones; ++j) {
        p[j][0] = 0;
        for (int x = 1; x <= kMaxN; ++x)
            p[j][x] = p[j][x - 1] + static_cast<int32_t>(kBinomiales[kMaxN - x][j]);
    }
    return p;
}
constexpr TablaPrefijo kPrefijo = ConstruirPrefijos();

// Every 3-subset {x < y < z} of 1..48 in colexicographic order (rank
// C(z-1,3) + C(y-1,2) + C(x-1,1)). Colex order does not depend on the size of
// the set, so one table decodes the last three elements of any 5-of-50 index.
struct Trio {
    uint8_t x, y, z;
};
constexpr int kTriosColex = 17296;  // C(48,3)
using TablaTrios = std::array<Trio, kTriosColex>;
constexpr TablaTrios ConstruirTrios() {
    TablaTrios t{};
    int r = 0;
    for (int z = 3; z <= 48; ++z)
        for (int y = 2; y < z; ++y)
            for (int x = 1; x < y; ++x) t[r++] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(z)};
    return t;
}
constexpr TablaTrios kTrios = ConstruirTrios();

// For the first two levels (4 and 3 elements still to place after the
// value): the smallest value whose prefix sum reaches the start of each
// bucket of 1024 targets, so the scan above starts at most one bucket short.
constexpr int kDesplazamientoCubo = 10;
constexpr int kCubos = (2118760 >> kDesplazamientoCubo) + 2;
using TablaArranque = std::array<std::array<uint8_t, kCubos>, 2>;
constexpr TablaArranque ConstruirArranques() {
    TablaArranque t{};
    for (int nivel = 0; nivel < 2; ++nivel) {
        const auto& prefijo = kPrefijo[kPosiciones - 1 - nivel];
        int valor = 1;
        for (int cubo = 0; cubo < kCubos; ++cubo) {
            const int64_t objetivo = (static_cast<int64_t>(cubo) << kDesplazamientoCubo) + 1;
            while (valor < kMaxN && prefijo[valor] < objetivo) ++valor;
            t[nivel][cubo] = static_cast<uint8_t>(valor);
        }
    }
    return t;
}
constexpr TablaArranque kArranque = ConstruirArranques();

double BinomialLento(int32_t n, int32_t k) {
    double producto = 1.0;
    for (int32_t f = n - k + 1; f <= n; ++f) producto *= f;
    double factorial = 1.0;
    for (int32_t f = 2; f <= k; ++f) factorial *= f;
    return producto / factorial;
}

}  // namespace

Casilla CasillaDeDigito(uint8_t digito, int16_t posicion) {
    if (posicion < 1 || posicion > kPosiciones) posicion = 1;
    return static_cast<Casilla>((posicion - 1) * 10 + digito + 1);
}

uint8_t DigitoDeCasilla(uint8_t casilla) {
    if (casilla < 1 || casilla > kCasillas) return 0;
    return static_cast<uint8_t>((casilla - 1) % 10);
}

double ProductoDescendente(int16_t a, int16_t b, int16_t c) {
    double producto = 1.0;
    for (int16_t i = c; i < b; ++i) producto *= static_cast<double>(a - (i - c));
    return producto;
}

double NumCombinaciones(int16_t n, int16_t k) {
    return ProductoDescendente(n, k, 0) / ProductoDescendente(k, k, 0);
}

double Binomial(int32_t n, int32_t k) {
    if (k < 1) return 1.0;
    if (n >= 0 && n <= kMaxN && k <= kMaxK) return static_cast<double>(kBinomiales[n][k]);
    return BinomialLento(n, k);
}

void CombinacionDeIndice(int32_t idx, int16_t k, int16_t n, std::span<uint8_t> comb) {
    int32_t s = 0;
    int previo = 0;
    if (n == kMaxN && k == kPosiciones) {
        // The first value whose running total reaches idx: a bucket table
        // gives a start close to it, then a short scan of the prefix sums.
        for (int i = 1; i <= 2; ++i) {
            const auto& prefijo = kPrefijo[k - i];
            const auto& arranque = kArranque[i - 1];
            const int32_t objetivo = idx - s + prefijo[previo];
            int valor = std::max(previo + 1, static_cast<int>(arranque[static_cast<size_t>((objetivo - 1) >> kDesplazamientoCubo)]));
            while (prefijo[valor] < objetivo) ++valor;
            s += prefijo[valor - 1] - prefijo[previo];
            comb[i - 1] = static_cast<uint8_t>(valor);
            previo = valor;
        }
        // The last three: lex index r among the 3-subsets of previo+1..50 is
        // colex rank C(m,3) - r of the mirrored subset, m = 50 - previo.
        const int32_t r = idx - s;
        const Trio& t = kTrios[static_cast<size_t>(kBinomiales[kMaxN - previo][3] - r)];
        comb[2] = static_cast<uint8_t>(kMaxN + 1 - t.z);
        comb[3] = static_cast<uint8_t>(kMaxN + 1 - t.y);
        comb[4] = static_cast<uint8_t>(kMaxN + 1 - t.x);
        return;
    }
    for (int i = 1; i <= k - 1; ++i) {
        int valor = previo + 1;
        for (;;) {
            const int32_t bloque = static_cast<int32_t>(Binomial(n - valor, k - i));
            if (s + bloque >= idx) break;
            s += bloque;
            ++valor;
        }
        comb[i - 1] = static_cast<uint8_t>(valor);
        previo = valor;
    }
    comb[k - 1] = static_cast<uint8_t>(previo + (idx - s));
}

int32_t IndiceDeCombinacion(int16_t k, int16_t n, std::span<const uint8_t> comb) {
    int32_t s = 0;
    int previo = 0;
    if (n == kMaxN && k == kPosiciones) {
        // Every caller ranks 5-of-50 sets; the prefix table makes it O(k).
        for (int i = 1; i <= k - 1; ++i) {
            const int j = k - i;
            s += kPrefijo[j][comb[i - 1] - 1] - kPrefijo[j][previo];
            previo = comb[i - 1];
        }
        return s + comb[k - 1] - previo;
    }
    for (int i = 1; i <= k - 1; ++i) {
        for (int v = previo + 1; v <= comb[i - 1] - 1; ++v) s += static_cast<int32_t>(Binomial(n - v, k - i));
        previo = comb[i - 1];
    }
    return s + comb[k - 1] - previo;
}
