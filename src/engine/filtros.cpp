#include "filtros.h"

#include <algorithm>
#include <bit>
#include <numeric>

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

int Aciertos(uint64_t presentes, uint64_t celdas) { return recorrido::ContarBits(presentes & celdas); }

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
    struct Grupo {
        uint64_t celdas;
        uint8_t permitidos;
    };
    std::array<Grupo, kNumGrupos> grupos;
    int num = 0;
    for (int g = 1; g <= kNumGrupos; ++g) {
        const uint64_t celdas = MascaraCasillas(ajustes.NumerosGrupo.Fila(g));
        if (celdas != 0) grupos[num++] = {celdas, Permitidos(ajustes.AciertosGrupo.Fila(g))};
    }
    if (num == 0) return 0;
    const Elementos el(tablas);
    return EliminarFallidas(tablas, kPeriodoCesion, num, ceder, [&](const uint8_t* fila) {
        const uint64_t presentes = el.Mascara(fila);
        for (int i = 0; i < num; ++i)
            if (((grupos[i].permitidos >> Aciertos(presentes, grupos[i].celdas)) & 1) == 0) return true;
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

    // Whether conditions j..m-1 can each take a distinct subgroup not in `usados`.
    auto asignable = [](const auto& self, const uint8_t* aceptan, int j, int m, unsigned usados) -> bool {
        if (j == m) return true;
        for (unsigned libres = aceptan[j] & ~usados; libres != 0; libres &= libres - 1)
            if (self(self, aceptan, j + 1, m, usados | (libres & (0u - libres)))) return true;
        return false;
    };
    const Elementos el(tablas);
    return EliminarFallidas(tablas, kPeriodoCesion, num, ceder, [&](const uint8_t* fila) {
        const uint64_t presentes = el.Mascara(fila);
        for (int b = 0; b < num; ++b) {
            const Bloque& bloque = bloques[b];
            const int m = bloque.condiciones;
            if (m == 0 || m > bloque.subgrupos) return true;
            std::array<uint8_t, kPorBloque> aciertos{};
            for (int s = 0; s < bloque.subgrupos; ++s)
                aciertos[s] = static_cast<uint8_t>(Aciertos(presentes, bloque.celdas[s]));
            std::array<uint8_t, kPorBloque> aceptan{};  // per condition, the subgroups it accepts
            for (int j = 0; j < m; ++j)
                for (int s = 0; s < bloque.subgrupos; ++s)
                    aceptan[j] |= static_cast<uint8_t>(((bloque.permitidos[j] >> aciertos[s]) & 1u) << s);
            if (!asignable(asignable, aceptan.data(), 0, m, 0u)) return true;
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
    struct Grupo {
        uint64_t celdas;
        uint8_t permitidos;
    };
    struct Reserva {
        int primerGrupo = 0, numGrupos = 0;
        // Allowed numbers of satisfied groups; beyond the row's last entry
        // (79) no count is allowed.
        std::array<bool, kNumGrupos + 1> permitida{};
    };
    std::array<Grupo, kNumGrupos> grupos;
    std::array<Reserva, kNumReservas> reservas;
    int numGrupos = 0, num = 0;
    for (int r = 1; r <= kNumReservas; ++r) {
        const uint8_t* fila = ajustes.AciertosReserva.Fila(r);
        if (std::none_of(fila, fila + kMaxAciertosReserva + 1, [](uint8_t v) { return v == 1; })) continue;
        Reserva& reserva = reservas[num++];
        reserva = Reserva{};
        for (int j = 0; j <= kMaxAciertosReserva; ++j) reserva.permitida[j] = fila[j] == 1;
        reserva.primerGrupo = numGrupos;
        for (int g = 1; g <= kNumGrupos; ++g) {
            if (ajustes.IdGrupoReserva[g] != r) continue;
            const uint64_t celdas = MascaraCasillas(ajustes.NumerosGrupoReserva.Fila(g));
            if (celdas != 0) grupos[numGrupos++] = {celdas, Permitidos(ajustes.AciertosGrupoReserva.Fila(g))};
        }
        reserva.numGrupos = numGrupos - reserva.primerGrupo;
    }
    if (num == 0) return 0;
    const Elementos el(tablas);
    return EliminarFallidas(tablas, kPeriodoCesion, num, ceder, [&](const uint8_t* fila) {
        const uint64_t presentes = el.Mascara(fila);
        for (int i = 0; i < num; ++i) {
            const Reserva& reserva = reservas[i];
            int cumplidos = 0;
            for (int g = reserva.primerGrupo; g < reserva.primerGrupo + reserva.numGrupos; ++g)
                cumplidos += (grupos[g].permitidos >> Aciertos(presentes, grupos[g].celdas)) & 1;
            if (!reserva.permitida[cumplidos]) return true;
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
