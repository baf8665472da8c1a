#pragma once
// Plain row-by-row versions of the one-digit-per-position check and the
// eight filters: one pass per position, group, block or reserve, cell lists,
// run texts and a depth-first assignment, as the rules read. The engine's
// fast versions must agree with them on eliminations, counts and yields.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ajustes_filtros.h"
#include "sesion.h"

namespace ref {

using Lista = std::vector<int>;

struct Contexto {
    TablasSesion& t;
    const AjustesFiltros& a;
    int cesiones = 0;

    int Celda(int r, int p) const {
        const int e = t.gCombinaciones(r, p);
        return e >= 1 && e <= t.gNumElementos ? t.gValorElemento[e] : 0;
    }
    int Digito(int r, int p) const { return DigitoDeCasilla(static_cast<uint8_t>(Celda(r, p))); }
    int Suma(int r) const {
        int suma = 0;
        for (int p = 1; p <= 5; ++p) suma += Digito(r, p);
        return suma;
    }
    // How many cells of the list the row holds.
    int Aciertos(int r, const Lista& lista) const {
        int h = 0;
        for (int c : lista)
            h += Celda(r, 1) == c || Celda(r, 2) == c || Celda(r, 3) == c || Celda(r, 4) == c || Celda(r, 5) == c;
        return h;
    }
    // One pass over the live rows, yielding at each row number that is a
    // multiple of `periodo`.
    int32_t Pasada(int periodo, const std::function<bool(int)>& falla) {
        int32_t n = 0;
        for (int r = 1; r <= t.gNumCombinaciones; ++r) {
            if (r % periodo == 0) ++cesiones;
            if (t.gEliminada[r] == 0 && falla(r)) {
                t.gEliminada[r] = 1;
                ++n;
            }
        }
        return n;
    }
};

// The cells desde..hasta that `elegida` takes.
inline Lista Celdas(const std::function<bool(int)>& elegida, int desde = 1, int hasta = 50) {
    Lista l;
    for (int c = desde; c <= hasta; ++c)
        if (elegida(c)) l.push_back(c);
    return l;
}
inline Lista Fila(const Matriz<uint8_t>& m, int fila) { return Celdas([&](int c) { return m(fila, c) == 1; }); }
inline bool Alguno(const uint8_t* fila, int n) { return std::count(fila, fila + n, uint8_t{1}) > 0; }
// A condition is marked by any value in its row of six, not only a 1.
inline bool Marcada(const uint8_t* fila) { return std::count(fila, fila + 6, uint8_t{0}) < 6; }

// Figure of a run or multiplicity text, by its sorted parts.
inline int Figura(std::string texto) {
    std::sort(texto.begin(), texto.end());
    const std::vector<std::string> figuras = {"5", "14", "23", "113", "122", "1112", "11111"};
    return static_cast<int>(std::find(figuras.begin(), figuras.end(), texto) - figuras.begin()) + 1;
}

inline int32_t UnDigitoPorPosicion(Contexto& x, const RejillaBase& rejilla) {
    int32_t n = 0;
    for (int p = 1; p <= 5; ++p) {
        const Lista lista = Celdas([&](int c) { return rejilla.Seleccionada(static_cast<Casilla>(c)); }, p * 10 - 9, p * 10);
        if (!lista.empty()) n += x.Pasada(10000, [&](int r) { return x.Aciertos(r, lista) != 1; });
    }
    return n;
}

inline int32_t Grupos(Contexto& x) {
    int32_t n = 0;
    for (int g = 1; g <= 360; ++g) {
        const Lista lista = Fila(x.a.NumerosGrupo, g);
        if (!lista.empty())
            n += x.Pasada(7000, [&](int r) { return x.a.AciertosGrupo(g, x.Aciertos(r, lista)) != 1; });
    }
    return n;
}

inline int32_t ParesImpares(Contexto& x) {
    if (!Alguno(&x.a.ParesActivos[0], 6)) return 0;
    return x.Pasada(7000, [&](int r) {
        int pares = 0;
        for (int p = 1; p <= 5; ++p) pares += x.Digito(r, p) % 2 == 0;
        return x.a.ParesActivos[pares] == 0;
    });
}

inline int32_t Seguidos(Contexto& x) {
    const bool rachas = Alguno(&x.a.NumerosSeguidos[0], 6), figuras = Alguno(&x.a.FigurasSeguidos[1], 7);
    if (!rachas && !figuras) return 0;
    return x.Pasada(7000, [&](int r) {
        // The lengths of the runs of consecutive digits, left to right.
        std::string texto = "1";
        for (int p = 2; p <= 5; ++p) {
            const int d = x.Digito(r, p), previo = x.Digito(r, p - 1);
            if (d == previo + 1 || (x.a.SeguidosInversos == 1 && d == previo - 1))
                ++texto.back();
            else
                texto += '1';
        }
        if (figuras && x.a.FigurasSeguidos[Figura(texto)] == 0) return true;
        return rachas && x.a.NumerosSeguidos[*std::max_element(texto.begin(), texto.end()) - '0'] != 1;
    });
}

inline int32_t Sumas(Contexto& x) {
    const Lista activos = Celdas([&](int i) { return x.a.SumaMinima[i] != 0 || x.a.SumaMaxima[i] != 0; }, 1, 10);
    if (activos.empty()) return 0;
    return x.Pasada(7000, [&](int r) {
        for (int i : activos)
            if (x.a.SumaMinima[i] <= x.Suma(r) && x.Suma(r) <= x.a.SumaMaxima[i]) return false;
        return true;
    });
}

inline int32_t Terminaciones(Contexto& x) {
    const bool figuras = Alguno(&x.a.FigurasTerminaciones[1], 7);
    return x.Pasada(7000, [&](int r) {
        int cuenta[10] = {};
        for (int p = 1; p <= 5; ++p) ++cuenta[x.Digito(r, p)];
        std::string texto;
        for (int d = 0; d <= 9; ++d)
            if (cuenta[d] > 0) texto += static_cast<char>('0' + cuenta[d]);
        if (figuras && x.a.FigurasTerminaciones[Figura(texto)] == 0) return true;
        if (x.Suma(r) < x.a.SumaTerminacionesMinimo || x.Suma(r) > x.a.SumaTerminacionesMaximo) return true;
        for (int d = 0; d <= 9; ++d)
            if (Alguno(x.a.TerminadosEn.Fila(d), 6) && x.a.TerminadosEn(d, cuenta[d]) == 0) return true;
        return false;
    });
}

// Whether the conditions from the j-th on can each take a different subgroup
// whose hit count they allow.
inline bool Asignar(const Lista& condiciones, const Lista& aciertos, const AjustesFiltros& a, int base, size_t j,
                    std::vector<bool>& tomado) {
    if (j == condiciones.size()) return true;
    for (size_t s = 0; s < aciertos.size(); ++s) {
        if (tomado[s] || a.AciertosCondicion(base + condiciones[j], aciertos[s]) != 1) continue;
        tomado[s] = true;
        if (Asignar(condiciones, aciertos, a, base, j + 1, tomado)) return true;
        tomado[s] = false;
    }
    return false;
}

inline int32_t GruposRelacionados(Contexto& x) {
    int32_t n = 0;
    for (int b = 1; b <= 60; ++b) {
        const int base = (b - 1) * 6;
        // Only the first S subgroups count, S the number of them with cells;
        // the first block without any ends the filter.
        const size_t S = Celdas([&](int i) { return !Fila(x.a.NumerosSubgrupo, base + i).empty(); }, 1, 6).size();
        if (S == 0) return n;
        const Lista condiciones = Celdas([&](int i) { return Marcada(x.a.AciertosCondicion.Fila(base + i)); }, 1, 6);
        std::vector<Lista> subgrupos;
        for (size_t s = 1; s <= S; ++s) subgrupos.push_back(Fila(x.a.NumerosSubgrupo, base + static_cast<int>(s)));
        n += x.Pasada(7000, [&](int r) {
            Lista aciertos;
            for (const Lista& lista : subgrupos) aciertos.push_back(x.Aciertos(r, lista));
            std::vector<bool> tomado(aciertos.size(), false);
            return condiciones.empty() || !Asignar(condiciones, aciertos, x.a, base, 0, tomado);
        });
    }
    return n;
}

inline int32_t Posiciones(Contexto& x) {
    const auto elegida = [&](int c) { return c >= 1 && x.a.NumerosPosiciones[c] == 1; };
    const Lista conCeldas = Celdas([&](int p) { return !Celdas(elegida, p * 10 - 9, p * 10).empty(); }, 1, 5);
    return x.Pasada(7000, [&](int r) {
        for (int p : conCeldas)
            if (PosicionDeCasilla(x.Celda(r, p)) != p || !elegida(x.Celda(r, p))) return true;
        return false;
    });
}

inline int32_t GruposEnReservas(Contexto& x) {
    int32_t n = 0;
    for (int res = 1; res <= 8; ++res) {
        if (!Alguno(x.a.AciertosReserva.Fila(res), 80)) continue;
        std::vector<Lista> listas(361);
        for (int g = 1; g <= 360; ++g)
            if (x.a.IdGrupoReserva[g] == res) listas[g] = Fila(x.a.NumerosGrupoReserva, g);
        n += x.Pasada(7000, [&](int r) {
            int cumplidos = 0;
            for (int g = 1; g <= 360; ++g)
                cumplidos += !listas[g].empty() && x.a.AciertosGrupoReserva(g, x.Aciertos(r, listas[g])) == 1;
            // More satisfied groups than the row has entries: not allowed.
            return cumplidos > 79 || x.a.AciertosReserva(res, cumplidos) != 1;
        });
    }
    return n;
}

}  // namespace ref
