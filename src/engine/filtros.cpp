#include "filtros.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <vector>

#include "recorrido.h"

// The filters are written for speed: each builds small masks and tables from
// its settings once, then judges every live row with a few table lookups and
// bit operations. A filter that makes one pass per group, block or reserve
// judges a row against all of them in a single visit; the row's fate and the
// count are the same, and the yields keep the number of the separate passes.

namespace {

constexpr int32_t kPeriodoCesion = 7000;

using recorrido::Elementos;
using recorrido::EliminarFallidas;

// Bit h set when entry h of a hit row (0..5) holds exactly 1.
uint8_t Permitidos(const uint8_t* fila) {
    uint8_t bits = 0;
    for (int h = 0; h <= kPosiciones; ++h)
        if (fila[h] == 1) bits |= static_cast<uint8_t>(1u << h);
    return bits;
}

uint64_t MascaraCasillas(const uint8_t* fila) {  // fila[0] is cell 1
    uint64_t m = 0;
    for (int c = 1; c <= kCasillas; ++c)
        if (fila[c - 1] == 1) m |= recorrido::BitDeCasilla(c);
    return m;
}


// Hit counts of many cell sets at once. Each set has one bit in a row of
// words; per element, a word holds the bits of the sets holding its cell, and
// a row's hits of every set come out of five such words added bit by bit
// into three planes (bit i of plane k is bit k of set i's hits, 0..5).
class ConjuntosCeldas {
public:
    static constexpr int kMaxPalabras = (kNumGrupos + 63) / 64;
    struct Planos {
        uint64_t b0, b1, b2;
    };

    explicit ConjuntosCeldas(const Elementos& el) : el_(el), miembro_(256) {}

    // Adds a set of cells (bit c = cell c); returns its index.
    int Anadir(uint64_t celdas) {
        const int i = num_++;
        for (int e = 0; e < 256; ++e)
            if ((el_.bit[e] & celdas) != 0) miembro_[static_cast<size_t>(e)][i / 64] |= uint64_t{1} << (i % 64);
        return i;
    }
    int Num() const { return num_; }
    int Palabras() const { return (num_ + 63) / 64; }

    Planos Contar(const uint8_t* fila, int w) const {
        const uint64_t m0 = miembro_[fila[0]][w], m1 = miembro_[fila[1]][w], m2 = miembro_[fila[2]][w],
                       m3 = miembro_[fila[3]][w], m4 = miembro_[fila[4]][w];
        // Two full adders: m0 + m1 + m2 = s + 2c, then s + m3 + m4 = b0 + 2d.
        const uint64_t x = m0 ^ m1, s = x ^ m2, c = (m0 & m1) | (m2 & x);
        const uint64_t y = s ^ m3, b0 = y ^ m4, d = (s & m3) | (m4 & y);
        return {b0, c ^ d, c & d};
    }

private:
    const Elementos& el_;
    std::vector<std::array<uint64_t, kMaxPalabras>> miembro_;
    int num_ = 0;
};

// Per set, a row of six flags over hits 0..5; Elegir gives each set's flag
// at its hit count.
class FlagsPorAciertos {
public:
    void Fijar(int i, uint8_t flags) {
        for (int h = 0; h <= kPosiciones; ++h)
            if ((flags >> h) & 1) r_[h][i / 64] |= uint64_t{1} << (i % 64);
    }
    uint64_t Elegir(const ConjuntosCeldas::Planos& p, int w) const {
        // Hits above 5 never occur: with b2 set, b1 is clear.
        auto mux = [](uint64_t s, uint64_t uno, uint64_t cero) { return cero ^ ((cero ^ uno) & s); };
        const uint64_t bajo = mux(p.b1, mux(p.b0, r_[3][w], r_[2][w]), mux(p.b0, r_[1][w], r_[0][w]));
        return mux(p.b2, mux(p.b0, r_[5][w], r_[4][w]), bajo);
    }

private:
    std::array<std::array<uint64_t, ConjuntosCeldas::kMaxPalabras>, kPosiciones + 1> r_{};
};

// The six hit counts (0..5) of a related block, subgroup s counting 6^s,
// make a key below 6^6; what a block's conditions see of it is only how many
// subgroups have each count. The table numbers those tallies (462 of them)
// and gives each key's.
class RecuentosDeClaves {
public:
    static constexpr int kDigitos = 6, kNumClaves = 6 * 6 * 6 * 6 * 6 * 6, kNumRecuentos = 462;
    using Cuantos = std::array<uint8_t, kDigitos + 1>;  // per hit count 0..5; the last entry is unused

    static const RecuentosDeClaves& Tabla() {
        static const RecuentosDeClaves tabla;
        return tabla;
    }
    int DeClave(unsigned clave) const { return de_[clave]; }
    const Cuantos& Recuento(int i) const { return recuentos_[static_cast<size_t>(i)]; }

private:
    RecuentosDeClaves() : de_(kNumClaves) {
        std::vector<int> porCodigo(1 << (3 * kDigitos), -1);  // a tally packed three bits a count
        for (int clave = 0; clave < kNumClaves; ++clave) {
            Cuantos cuantos{};
            for (int c = clave, s = 0; s < kDigitos; ++s, c /= kDigitos) ++cuantos[c % kDigitos];
            unsigned codigo = 0;
            for (int h = 0; h < kDigitos; ++h) codigo |= unsigned{cuantos[h]} << (3 * h);
            if (porCodigo[codigo] < 0) {
                porCodigo[codigo] = static_cast<int>(recuentos_.size());
                recuentos_.push_back(cuantos);
            }
            de_[static_cast<size_t>(clave)] = static_cast<uint16_t>(porCodigo[codigo]);
        }
    }
    std::vector<uint16_t> de_;
    std::vector<Cuantos> recuentos_;
};

// Figure of a split of five digits into parts (runs, or equal digits), from
// the number of parts and the largest part.
int Figura(int partes, int mayor) {
    switch (partes) {
        case 1: return 1;
        case 2: return mayor == 4 ? 2 : 3;
        case 3: return mayor == 3 ? 4 : 5;
        case 4: return 6;
        default: return 7;
    }
}

// Figure of a digit multiplicity from the number of equal pairs among the
// five digits, which differs for each figure: 5-0 has 10, 4-1 6, 3-2 4,
// 3-1-1 3, 2-2-1 2, 2-1-1-1 1 and 1-1-1-1-1 none.
constexpr std::array<uint8_t, 11> kFiguraPorPares = {7, 6, 5, 4, 3, 0, 2, 0, 0, 0, 1};

}  // namespace

int32_t FiltrarGrupos(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder) {
    const Elementos el(tablas);
    ConjuntosCeldas grupos(el);
    FlagsPorAciertos rechazo;
    for (int g = 1; g <= kNumGrupos; ++g) {
        const uint64_t celdas = MascaraCasillas(ajustes.NumerosGrupo.Fila(g));
        if (celdas == 0) continue;
        rechazo.Fijar(grupos.Anadir(celdas), static_cast<uint8_t>(~Permitidos(ajustes.AciertosGrupo.Fila(g))));
    }
    if (grupos.Num() == 0) return 0;
    const int palabras = grupos.Palabras();
    return EliminarFallidas(tablas, kPeriodoCesion, grupos.Num(), ceder, [&](const uint8_t* fila) {
        for (int w = 0; w < palabras; ++w)
            if (rechazo.Elegir(grupos.Contar(fila, w), w) != 0) return true;
        return false;
    });
}

int32_t FiltrarParesImpares(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder) {
    const uint8_t permitidos = Permitidos(&ajustes.ParesActivos[0]);
    if (permitidos == 0) return 0;
    uint8_t rechazados = 0;  // counts whose entry is 0
    for (int j = 0; j <= kPosiciones; ++j)
        if (ajustes.ParesActivos[j] == 0) rechazados |= static_cast<uint8_t>(1u << j);
    const Elementos el(tablas);
    std::array<uint8_t, 256> par{};
    for (int e = 0; e < 256; ++e) par[e] = el.digito[e] % 2 == 0 ? 1 : 0;
    return EliminarFallidas(tablas, kPeriodoCesion, 1, ceder, [&](const uint8_t* fila) {
        const int pares = par[fila[0]] + par[fila[1]] + par[fila[2]] + par[fila[3]] + par[fila[4]];
        return ((rechazados >> pares) & 1) != 0;
    });
}

int32_t FiltrarSeguidos(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder) {
    const bool longitudesActivas = Permitidos(&ajustes.NumerosSeguidos[0]) != 0;
    bool figurasActivas = false;
    for (int f = 1; f <= kNumFiguras; ++f) figurasActivas |= ajustes.FigurasSeguidos[f] == 1;
    if (!longitudesActivas && !figurasActivas) return 0;
    const bool inversos = ajustes.SeguidosInversos == 1;

    std::array<bool, kNumFiguras + 1> figuraRechazada{};
    for (int f = 1; f <= kNumFiguras; ++f) figuraRechazada[f] = figurasActivas && ajustes.FigurasSeguidos[f] == 0;
    std::array<bool, kPosiciones + 1> longitudRechazada{};
    for (int j = 0; j <= kPosiciones; ++j) longitudRechazada[j] = longitudesActivas && ajustes.NumerosSeguidos[j] != 1;

    const Elementos el(tablas);
    return EliminarFallidas(tablas, kPeriodoCesion, 1, ceder, [&](const uint8_t* fila) {
        int racha = 1, mayor = 1, rachas = 0;
        int previo = el.digito[fila[0]];
        for (int p = 1; p < kPosiciones; ++p) {
            const int d = el.digito[fila[p]];
            if (d == previo + 1 || (inversos && d == previo - 1)) {
                ++racha;
            } else {
                mayor = std::max(mayor, racha);
                ++rachas;
                racha = 1;
            }
            previo = d;
        }
        mayor = std::max(mayor, racha);
        ++rachas;
        // A number rejected by its figure is not tested on its longest run.
        if (figurasActivas) return figuraRechazada[Figura(rachas, mayor)] || longitudRechazada[mayor];
        return longitudRechazada[mayor];
    });
}

int32_t FiltrarSumas(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder) {
    bool alguno = false;
    std::array<bool, 46> admitida{};  // five digits add up to 0..45
    for (int i = 1; i <= 10; ++i) {
        const int minimo = ajustes.SumaMinima[i], maximo = ajustes.SumaMaxima[i];
        if (minimo == 0 && maximo == 0) continue;
        alguno = true;
        for (int s = 0; s <= 45; ++s) admitida[s] = admitida[s] || (minimo <= s && s <= maximo);
    }
    if (!alguno) return 0;
    const Elementos el(tablas);
    return EliminarFallidas(tablas, kPeriodoCesion, 1, ceder, [&](const uint8_t* fila) {
        const int suma = el.digito[fila[0]] + el.digito[fila[1]] + el.digito[fila[2]] + el.digito[fila[3]] +
                         el.digito[fila[4]];
        return !admitida[suma];
    });
}

int32_t FiltrarTerminaciones(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder) {
    // Per digit that is on, the occurrence counts whose entry is 0.
    std::array<uint8_t, 10> rechazadas{};
    int digitosActivos = 0;
    std::array<uint8_t, 10> activos{};
    for (int d = 0; d <= 9; ++d) {
        const uint8_t* fila = ajustes.TerminadosEn.Fila(d);
        if (Permitidos(fila) == 0) continue;
        for (int j = 0; j <= kPosiciones; ++j)
            if (fila[j] == 0) rechazadas[d] |= static_cast<uint8_t>(1u << j);
        activos[digitosActivos++] = static_cast<uint8_t>(d);
    }
    bool figurasActivas = false;
    for (int f = 1; f <= kNumFiguras; ++f) figurasActivas |= ajustes.FigurasTerminaciones[f] == 1;
    std::array<bool, 11> paresRechazados{};
    for (int pares = 0; pares <= 10; ++pares) {
        const int figura = kFiguraPorPares[pares];
        paresRechazados[pares] = figurasActivas && figura != 0 && ajustes.FigurasTerminaciones[figura] == 0;
    }
    std::array<bool, 46> sumaRechazada{};
    bool algunaSuma = false;
    for (int s = 0; s <= 45; ++s) {
        sumaRechazada[s] = s < ajustes.SumaTerminacionesMinimo || s > ajustes.SumaTerminacionesMaximo;
        algunaSuma |= sumaRechazada[s];
    }

    const int32_t filas = recorrido::FilasRecorribles(tablas);
    if (!figurasActivas && !algunaSuma && digitosActivos == 0) {
        // Nothing can fail: the pass would only yield.
        recorrido::CederComoPasadas(filas, kPeriodoCesion, 1, ceder);
        return 0;
    }
    const Elementos el(tablas);
    return EliminarFallidas(tablas, kPeriodoCesion, 1, ceder, [&](const uint8_t* fila) {
        const int d0 = el.digito[fila[0]], d1 = el.digito[fila[1]], d2 = el.digito[fila[2]], d3 = el.digito[fila[3]],
                  d4 = el.digito[fila[4]];
        const int pares = (d0 == d1) + (d0 == d2) + (d0 == d3) + (d0 == d4) + (d1 == d2) + (d1 == d3) + (d1 == d4) +
                          (d2 == d3) + (d2 == d4) + (d3 == d4);
        if (paresRechazados[pares] || sumaRechazada[d0 + d1 + d2 + d3 + d4]) return true;
        for (int i = 0; i < digitosActivos; ++i) {
            const int d = activos[i];
            const int veces = (d0 == d) + (d1 == d) + (d2 == d) + (d3 == d) + (d4 == d);
            if ((rechazadas[d] >> veces) & 1) return true;
        }
        return false;
    });
}

int32_t FiltrarGruposRelacionados(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder) {
    constexpr int kPorBloque = 6;
    struct Bloque {
        int subgrupos = 0;
        int condiciones = 0;
        std::array<uint64_t, kPorBloque> celdas{};
        std::array<uint8_t, kPorBloque> permitidos{};  // per condition, hit counts allowed
    };
    std::array<Bloque, kNumGrupos / kPorBloque> bloques;
    int num = 0;
    for (int b = 1; b <= kNumGrupos / kPorBloque; ++b) {
        const int base = (b - 1) * kPorBloque;
        Bloque bloque;
        for (int i = 1; i <= kPorBloque; ++i)
            if (MascaraCasillas(ajustes.NumerosSubgrupo.Fila(base + i)) != 0) ++bloque.subgrupos;
        // The first empty block ends the filter, whatever later blocks hold.
        if (bloque.subgrupos == 0) break;
        // Subgroups are packed at the top of the block.
        for (int s = 0; s < bloque.subgrupos; ++s)
            bloque.celdas[s] = MascaraCasillas(ajustes.NumerosSubgrupo.Fila(base + s + 1));
        for (int i = 1; i <= kPorBloque; ++i) {
            const uint8_t* fila = ajustes.AciertosCondicion.Fila(base + i);
            if (std::any_of(fila, fila + kPosiciones + 1, [](uint8_t v) { return v != 0; }))
                bloque.permitidos[bloque.condiciones++] = Permitidos(fila);
        }
        bloques[num++] = bloque;
    }
    if (num == 0) return 0;
    // A block with subgroups and no condition, or with more conditions than
    // subgroups, fails every number.
    const bool todasFallan = std::any_of(bloques.begin(), bloques.begin() + num, [](const Bloque& b) {
        return b.condiciones == 0 || b.condiciones > b.subgrupos;
    });
    if (todasFallan) return EliminarFallidas(tablas, kPeriodoCesion, num, ceder, [](const uint8_t*) { return true; });

    // Whether conditions j..m-1 can each take a distinct subgroup not in `usados`.
    auto asignable = [](const auto& self, const uint8_t* aceptan, int j, int m, unsigned usados) -> bool {
        if (j == m) return true;
        for (unsigned libres = aceptan[j] & ~usados; libres != 0; libres &= libres - 1)
            if (self(self, aceptan, j + 1, m, usados | (libres & (0u - libres)))) return true;
        return false;
    };
    // A block's hits, subgroup s counting 6^s, make its key; the key of a row
    // is the sum of its elements' keys, four blocks to a word of 16-bit
    // lanes. Blocks with the same subgroup count and conditions pass the
    // same keys, so each such kind gets one bit per key, worked out before
    // the scan; a row then costs one bit test per block.
    constexpr int kPorPalabra = 4;
    const int palabras = (num + kPorPalabra - 1) / kPorPalabra;
    std::vector<uint64_t> claves(256 * static_cast<size_t>(palabras));
    const Elementos el(tablas);
    for (int b = 0; b < num; ++b) {
        uint64_t peso = 1;
        for (int s = 0; s < bloques[b].subgrupos; ++s, peso *= kPorBloque)
            for (int e = 0; e < 256; ++e)
                if ((el.bit[e] & bloques[b].celdas[s]) != 0)
                    claves[static_cast<size_t>(e) * palabras + b / kPorPalabra] += peso << (16 * (b % kPorPalabra));
    }
    static_assert(kPorBloque == RecuentosDeClaves::kDigitos);
    const RecuentosDeClaves& recuentos = RecuentosDeClaves::Tabla();
    // Whether a block passes depends only on how many of its subgroups have
    // each hit count, so each tally is judged once per kind.
    auto pasa = [&](const Bloque& bloque, int recuento) {
        // Unused subgroup slots count as hits of 0.
        std::array<uint8_t, kPorBloque + 1> cuantos = recuentos.Recuento(recuento);
        cuantos[0] = static_cast<uint8_t>(cuantos[0] - (kPorBloque - bloque.subgrupos));
        std::array<uint8_t, kPorBloque> aciertos{};
        for (int h = 0, s = 0; h <= kPosiciones; ++h)
            for (int i = 0; i < cuantos[h]; ++i) aciertos[s++] = static_cast<uint8_t>(h);
        std::array<uint8_t, kPorBloque> aceptan{};  // per condition, the subgroups it accepts
        for (int j = 0; j < bloque.condiciones; ++j)
            for (int s = 0; s < bloque.subgrupos; ++s)
                aceptan[j] |= static_cast<uint8_t>(((bloque.permitidos[j] >> aciertos[s]) & 1u) << s);
        return asignable(asignable, aceptan.data(), 0, bloque.condiciones, 0u);
    };
    constexpr size_t kPalabrasPorClase = (RecuentosDeClaves::kNumClaves + 63) / 64;
    std::vector<int> clases;  // first block of each kind
    // Per kind, bit k set when key k passes. The first kind passes every
    // key: the lanes after the last block take it, so that a word's four
    // blocks are always tested together.
    std::vector<uint64_t> pasan(kPalabrasPorClase, ~uint64_t{0});
    std::array<size_t, kNumGrupos / kPorBloque> claseDe{};
    for (int b = 0; b < num; ++b) {
        const Bloque& bloque = bloques[b];
        const auto igual = std::find_if(clases.begin(), clases.end(), [&](int otro) {
            return bloques[otro].subgrupos == bloque.subgrupos && bloques[otro].condiciones == bloque.condiciones &&
                   bloques[otro].permitidos == bloque.permitidos;
        });
        claseDe[b] = static_cast<size_t>(igual - clases.begin() + 1) * kPalabrasPorClase;
        if (igual != clases.end()) continue;
        clases.push_back(b);
        pasan.resize((clases.size() + 1) * kPalabrasPorClase);
        std::array<int8_t, RecuentosDeClaves::kNumRecuentos> veredicto;
        veredicto.fill(-1);
        unsigned numClaves = 1;  // keys of this many subgroups
        for (int s = 0; s < bloque.subgrupos; ++s) numClaves *= kPorBloque;
        for (unsigned clave = 0; clave < numClaves; ++clave) {
            const int recuento = recuentos.DeClave(clave);
            int8_t& v = veredicto[static_cast<size_t>(recuento)];
            if (v < 0) v = pasa(bloque, recuento) ? 1 : 0;
            pasan[claseDe[b] + clave / 64] |= static_cast<uint64_t>(v) << (clave % 64);
        }
    }
    return EliminarFallidas(tablas, kPeriodoCesion, num, ceder, [&](const uint8_t* fila) {
        const uint64_t* k0 = &claves[fila[0] * static_cast<size_t>(palabras)];
        const uint64_t* k1 = &claves[fila[1] * static_cast<size_t>(palabras)];
        const uint64_t* k2 = &claves[fila[2] * static_cast<size_t>(palabras)];
        const uint64_t* k3 = &claves[fila[3] * static_cast<size_t>(palabras)];
        const uint64_t* k4 = &claves[fila[4] * static_cast<size_t>(palabras)];
        for (int w = 0; w < palabras; ++w) {
            const uint64_t suma = k0[w] + k1[w] + k2[w] + k3[w] + k4[w];
            uint64_t todos = 1;
            for (int i = 0; i < kPorPalabra; ++i) {
                const unsigned clave = static_cast<unsigned>(suma >> (16 * i)) & 0xFFFFu;
                todos &= pasan[claseDe[w * kPorPalabra + i] + clave / 64] >> (clave % 64);
            }
            if ((todos & 1) == 0) return true;
        }
        return false;
    });
}

int32_t FiltrarPosiciones(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder) {
    std::array<uint64_t, kPosiciones> elegidas{};
    std::array<int, kPosiciones> columnas{};
    int activas = 0;
    for (int p = 1; p <= kPosiciones; ++p) {
        uint64_t m = 0;
        for (int c = (p - 1) * 10 + 1; c <= p * 10; ++c)
            if (ajustes.NumerosPosiciones[c] == 1) m |= recorrido::BitDeCasilla(c);
        if (m == 0) continue;
        elegidas[activas] = m;
        columnas[activas++] = p - 1;
    }
    if (activas == 0) {
        // Every position is free: the pass would only yield.
        recorrido::CederComoPasadas(recorrido::FilasRecorribles(tablas), kPeriodoCesion, 1, ceder);
        return 0;
    }
    const Elementos el(tablas);
    return EliminarFallidas(tablas, kPeriodoCesion, 1, ceder, [&](const uint8_t* fila) {
        for (int i = 0; i < activas; ++i)
            if ((el.bit[fila[columnas[i]]] & elegidas[i]) == 0) return true;
        return false;
    });
}

int32_t FiltrarGruposEnReservas(TablasSesion& tablas, const AjustesFiltros& ajustes, const Cesion& ceder) {
    struct Tramo {
        int palabra;
        uint64_t mascara;
    };
    struct Reserva {
        int primerTramo = 0, numTramos = 0;
        // Allowed numbers of satisfied groups; beyond the row's last entry
        // (79) no count is allowed.
        std::array<bool, kNumGrupos + 1> permitida{};
    };
    const Elementos el(tablas);
    ConjuntosCeldas grupos(el);
    FlagsPorAciertos cumple;
    // A reserve's groups take consecutive bits; its count is the satisfied
    // bits within them.
    std::vector<Tramo> tramos;
    std::array<Reserva, kNumReservas> reservas;
    int num = 0;
    for (int r = 1; r <= kNumReservas; ++r) {
        const uint8_t* fila = ajustes.AciertosReserva.Fila(r);
        if (std::none_of(fila, fila + kMaxAciertosReserva + 1, [](uint8_t v) { return v == 1; })) continue;
        Reserva& reserva = reservas[num++];
        for (int j = 0; j <= kMaxAciertosReserva; ++j) reserva.permitida[j] = fila[j] == 1;
        const int primero = grupos.Num();
        for (int g = 1; g <= kNumGrupos; ++g) {
            if (ajustes.IdGrupoReserva[g] != r) continue;
            const uint64_t celdas = MascaraCasillas(ajustes.NumerosGrupoReserva.Fila(g));
            if (celdas != 0) cumple.Fijar(grupos.Anadir(celdas), Permitidos(ajustes.AciertosGrupoReserva.Fila(g)));
        }
        reserva.primerTramo = static_cast<int>(tramos.size());
        for (int i = primero; i < grupos.Num();) {
            const int w = i / 64, hasta = std::min(grupos.Num(), (w + 1) * 64);
            const int ancho = hasta - i;
            const uint64_t bits = ancho == 64 ? ~uint64_t{0} : ((uint64_t{1} << ancho) - 1) << (i % 64);
            tramos.push_back({w, bits});
            i = hasta;
        }
        reserva.numTramos = static_cast<int>(tramos.size()) - reserva.primerTramo;
    }
    if (num == 0) return 0;
    const int palabras = grupos.Palabras();
    return EliminarFallidas(tablas, kPeriodoCesion, num, ceder, [&](const uint8_t* fila) {
        std::array<uint64_t, ConjuntosCeldas::kMaxPalabras> cumplidos{};
        for (int w = 0; w < palabras; ++w) cumplidos[w] = cumple.Elegir(grupos.Contar(fila, w), w);
        for (int i = 0; i < num; ++i) {
            const Reserva& reserva = reservas[i];
            int n = 0;
            for (int t = reserva.primerTramo; t < reserva.primerTramo + reserva.numTramos; ++t)
                n += recorrido::ContarBits(cumplidos[tramos[t].palabra] & tramos[t].mascara);
            if (!reserva.permitida[n]) return true;
        }
        return false;
    });
}

std::string_view TituloFiltro(int indice) {
    switch (indice) {
        case kFiltroGrupos: return "Filtrando ... Grupos de Números";
        case kFiltroParesImpares: return "Filtrando ... Pares e Impares";
        case kFiltroSeguidos: return "Filtrando ... Seguidos";
        case kFiltroSumas: return "Filtrando ... Sumas";
        case kFiltroTerminaciones: return "Filtrando ... Terminaciones";
        case kFiltroGruposRelacionados: return "Filtrando ... Grupos Relacionados";
        case kFiltroPosiciones: return "Filtrando ... Posiciones";
        case kFiltroGruposEnReservas: return "Filtrando ... Grupos en Reservas";
        default: return {};
    }
}

int32_t AplicarFiltros(TablasSesion& tablas, const AjustesFiltros& ajustes, const FiltrosMarcados& chkFiltros,
                       EliminadasPorFiltro& EliminadasFiltro, const AvisoTitulo& titulo, const Cesion& ceder) {
    using Filtro = int32_t (*)(TablasSesion&, const AjustesFiltros&, const Cesion&);
    static constexpr std::array<Filtro, kNumIndicesFiltro> kFiltros = {
        nullptr,           nullptr,      nullptr,
        FiltrarGrupos,     FiltrarParesImpares, FiltrarSeguidos,   FiltrarSumas,
        FiltrarTerminaciones, FiltrarGruposRelacionados, FiltrarPosiciones, FiltrarGruposEnReservas};
    EliminadasFiltro.fill(0);
    for (int i = kFiltroGrupos; i <= kFiltroGruposEnReservas; ++i) {
        if (!chkFiltros[i]) continue;
        if (titulo) titulo(TituloFiltro(i));
        EliminadasFiltro[i] = kFiltros[i](tablas, ajustes, ceder);
    }
    return std::accumulate(EliminadasFiltro.begin(), EliminadasFiltro.end(), int32_t{0});
}
