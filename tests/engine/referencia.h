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

struct Contexto {
    TablasSesion& t;
    const AjustesFiltros& a;
    int cesiones = 0;

    int Celda(int r, int p) const {
        const int e = t.gCombinaciones(r, p);
        return e >= 1 && e <= t.gNumElementos ? t.gValorElemento[e] : 0;
    }
    int Digito(int r, int p) const { return DigitoDeCasilla(static_cast<uint8_t>(Celda(r, p))); }
    int Aciertos(int r, const std::vector<int>& lista) const {
        int h = 0;
        for (int c : lista)
            for (int p = 1; p <= 5; ++p)
                if (Celda(r, p) == c) {
                    ++h;
                    break;
                }
        return h;
    }
    int32_t Pasada(int periodo, const std::function<bool(int)>& falla) {
        int32_t n = 0;
        for (int r = 1; r <= t.gNumCombinaciones; ++r) {
            if (r % periodo == 0) ++cesiones;
            if (t.gEliminada[r] != 0) continue;
            if (falla(r)) {
                t.gEliminada[r] = 1;
                ++n;
            }
        }
        return n;
    }
};

inline std::vector<int> Lista(const Matriz<uint8_t>& m, int fila) {
    std::vector<int> l;
    for (int c = 1; c <= 50; ++c)
        if (m(fila, c) == 1) l.push_back(c);
    return l;
}

inline int32_t UnDigitoPorPosicion(Contexto& x, const RejillaBase& rejilla) {
    int32_t n = 0;
    for (int p = 1; p <= 5; ++p) {
        std::vector<int> lista;
        for (int c = (p - 1) * 10 + 1; c <= p * 10; ++c)
            if (rejilla.Seleccionada(static_cast<Casilla>(c))) lista.push_back(c);
        if (lista.empty()) continue;
        n += x.Pasada(10000, [&](int r) { return x.Aciertos(r, lista) != 1; });
    }
    return n;
}

inline int32_t Grupos(Contexto& x) {
    int32_t n = 0;
    for (int g = 1; g <= 360; ++g) {
        const auto lista = Lista(x.a.NumerosGrupo, g);
        if (lista.empty()) continue;
        n += x.Pasada(7000, [&](int r) { return x.a.AciertosGrupo(g, x.Aciertos(r, lista)) != 1; });
    }
    return n;
}

inline int32_t ParesImpares(Contexto& x) {
    bool alguno = false;
    for (int j = 0; j <= 5; ++j) alguno |= x.a.ParesActivos[j] == 1;
    if (!alguno) return 0;
    return x.Pasada(7000, [&](int r) {
        int pares = 0;
        for (int p = 1; p <= 5; ++p) pares += x.Digito(r, p) % 2 == 0;
        return x.a.ParesActivos[pares] == 0;
    });
}

// Figure of a run or multiplicity text.
inline int Figura(const std::string& texto) {
    switch (texto.size()) {
        case 1: return 1;
        case 2: return texto.find('4') != std::string::npos ? 2 : 3;
        case 3: return texto.find('3') != std::string::npos ? 4 : 5;
        case 4: return 6;
        default: return 7;
    }
}

inline int32_t Seguidos(Contexto& x) {
    bool rachas = false, figuras = false;
    for (int j = 0; j <= 5; ++j) rachas |= x.a.NumerosSeguidos[j] == 1;
    for (int f = 1; f <= 7; ++f) figuras |= x.a.FigurasSeguidos[f] == 1;
    if (!rachas && !figuras) return 0;
    return x.Pasada(7000, [&](int r) {
        std::string texto;
        int racha = 1, mayor = 1;
        for (int p = 2; p <= 5; ++p) {
            const int d = x.Digito(r, p), previo = x.Digito(r, p - 1);
            if (d == previo + 1 || (x.a.SeguidosInversos == 1 && d == previo - 1)) {
                ++racha;
            } else {
                mayor = std::max(mayor, racha);
                texto += static_cast<char>('0' + racha);
                racha = 1;
            }
        }
        mayor = std::max(mayor, racha);
        texto += static_cast<char>('0' + racha);
        if (figuras && x.a.FigurasSeguidos[Figura(texto)] == 0) return true;
        return rachas && x.a.NumerosSeguidos[mayor] != 1;
    });
}

inline int32_t Sumas(Contexto& x) {
    auto activo = [&](int i) { return x.a.SumaMinima[i] != 0 || x.a.SumaMaxima[i] != 0; };
    bool alguno = false;
    for (int i = 1; i <= 10; ++i) alguno |= activo(i);
    if (!alguno) return 0;
    return x.Pasada(7000, [&](int r) {
        int suma = 0;
        for (int p = 1; p <= 5; ++p) suma += x.Digito(r, p);
        for (int i = 1; i <= 10; ++i)
            if (activo(i) && x.a.SumaMinima[i] <= suma && suma <= x.a.SumaMaxima[i]) return false;
        return true;
    });
}

inline int32_t Terminaciones(Contexto& x) {
    bool activo[10] = {}, figuras = false;
    for (int d = 0; d <= 9; ++d)
        for (int j = 0; j <= 5; ++j) activo[d] |= x.a.TerminadosEn(d, j) == 1;
    for (int f = 1; f <= 7; ++f) figuras |= x.a.FigurasTerminaciones[f] == 1;
    return x.Pasada(7000, [&](int r) {
        int cuenta[10] = {}, suma = 0;
        for (int p = 1; p <= 5; ++p) {
            ++cuenta[x.Digito(r, p)];
            suma += x.Digito(r, p);
        }
        if (figuras) {
            std::string texto;
            for (int d = 0; d <= 9; ++d)
                if (cuenta[d] > 0) texto += static_cast<char>('0' + cuenta[d]);
            if (x.a.FigurasTerminaciones[Figura(texto)] == 0) return true;
        }
        if (suma < x.a.SumaTerminacionesMinimo || suma > x.a.SumaTerminacionesMaximo) return true;
        for (int d = 0; d <= 9; ++d)
            if (activo[d] && x.a.TerminadosEn(d, cuenta[d]) == 0) return true;
        return false;
    });
}

inline bool Asignar(const std::vector<int>& condiciones, const std::vector<int>& aciertos, const AjustesFiltros& a,
                    int base, size_t j, std::vector<bool>& tomado) {
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
        int S = 0;
        std::vector<int> condiciones;
        for (int i = 1; i <= 6; ++i) {
            if (!Lista(x.a.NumerosSubgrupo, base + i).empty()) ++S;
            for (int j = 0; j <= 5; ++j)
                if (x.a.AciertosCondicion(base + i, j) != 0) {
                    condiciones.push_back(i);
                    break;
                }
        }
        if (S == 0) return n;
        std::vector<std::vector<int>> subgrupos;
        for (int s = 1; s <= S; ++s) subgrupos.push_back(Lista(x.a.NumerosSubgrupo, base + s));
        n += x.Pasada(7000, [&](int r) {
            std::vector<int> aciertos;
            for (const auto& lista : subgrupos) aciertos.push_back(x.Aciertos(r, lista));
            if (condiciones.empty()) return true;
            std::vector<bool> tomado(aciertos.size(), false);
            return !Asignar(condiciones, aciertos, x.a, base, 0, tomado);
        });
    }
    return n;
}

inline int32_t Posiciones(Contexto& x) {
    return x.Pasada(7000, [&](int r) {
        for (int p = 1; p <= 5; ++p) {
            std::vector<int> elegidas;
            for (int c = (p - 1) * 10 + 1; c <= p * 10; ++c)
                if (x.a.NumerosPosiciones[c] == 1) elegidas.push_back(c);
            if (elegidas.empty()) continue;
            if (std::find(elegidas.begin(), elegidas.end(), x.Celda(r, p)) == elegidas.end()) return true;
        }
        return false;
    });
}

inline int32_t GruposEnReservas(Contexto& x) {
    int32_t n = 0;
    for (int res = 1; res <= 8; ++res) {
        bool alguno = false;
        for (int j = 0; j <= 79; ++j) alguno |= x.a.AciertosReserva(res, j) == 1;
        if (!alguno) continue;
        std::vector<std::vector<int>> listas(361);
        for (int g = 1; g <= 360; ++g)
            if (x.a.IdGrupoReserva[g] == res) listas[g] = Lista(x.a.NumerosGrupoReserva, g);
        n += x.Pasada(7000, [&](int r) {
            int cumplidos = 0;
            for (int g = 1; g <= 360; ++g)
                if (!listas[g].empty() && x.a.AciertosGrupoReserva(g, x.Aciertos(r, listas[g])) == 1) ++cumplidos;
            // More satisfied groups than the row has entries: not allowed.
            return cumplidos > 79 || x.a.AciertosReserva(res, cumplidos) != 1;
        });
    }
    return n;
}

}  // namespace ref
