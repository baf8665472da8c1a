// The two sequential reductions, for the types the covering method does not
// take. A bet covers another when they share at least 5 - radius elements
// (equal digits at equal positions). Covered bets are flagged as soon as a bet
// is kept, so a candidate is checked with one read instead of a comparison
// with every kept bet.
#include <algorithm>
#include <string>
#include <vector>

#include "metodos_reduccion.h"
#include "vecindario.h"

namespace {

constexpr int32_t kPeriodoGrande = 1000;

// Flags every bet sharing at least the neighbourhood's count of elements
// with bet j, j included; returns how many were not flagged before.
int32_t MarcarCubiertas(const VecindarioApuestas& vecindario, int32_t j, std::vector<uint8_t>& marcada) {
    int32_t nuevas = 0;
    const int32_t* grupos = vecindario.Grupos(j);
    for (int t = 0; t < vecindario.GruposPorApuesta(); ++t)
        for (int32_t b : vecindario.Miembros(grupos[t])) {
            uint8_t& m = marcada[static_cast<size_t>(b)];
            nuevas += m == 0;
            m = 1;
        }
    return nuevas;
}

}  // namespace

// First fit: a bet is kept unless a kept bet already covers it.
double ReducirSecuencialExacto(TablasReduccion& entradas, const ParametrosMetodo& p, FuenteAleatoria& aleatorio,
                               const Cesion& ceder, ProgresoReduccion& progreso, SalidaMetodo& salida) {
    const int32_t n = entradas.NumApuestas();
    Arreglo<int32_t>& orden = entradas.gOrdenApuestas;
    VecindarioApuestas vecindario;
    vecindario.Construir(entradas, kPosiciones - p.radio);
    std::vector<uint8_t> cubierta(static_cast<size_t>(n) + 1);
    std::vector<int32_t> guardadas;
    double ciclo = 0;
    int32_t mejorNumApuestas = n + 1;
    const int32_t periodo = p.apuestasObjetivo < kPeriodoGrande ? 1 : kPeriodoGrande;

    while (!ceder.Detenido()) {
        std::fill(cubierta.begin(), cubierta.end(), 0);
        guardadas.assign(1, orden[1]);
        MarcarCubiertas(vecindario, orden[1], cubierta);
        int32_t cuenta = 1;
        bool abandonado = false;
        bool cedido = false;
        for (int32_t i = 2; i <= n; ++i) {
            progreso(static_cast<int>(int64_t{100} * i / n));
            if (i % periodo == 0) {
                ceder();
                cedido = true;
                if (ceder.Detenido()) return ciclo;
            }
            const int32_t c = orden[i];
            if (cubierta[static_cast<size_t>(c)]) continue;
            if (p.modoApuestas && cuenta == p.apuestasObjetivo) break;
            if (++cuenta > mejorNumApuestas) {
                abandonado = true;
                break;
            }
            guardadas.push_back(c);
            MarcarCubiertas(vecindario, c, cubierta);
        }
        if (!abandonado) {
            if (cuenta < mejorNumApuestas) {
                salida.Publicar(guardadas, ciclo + 1);
                mejorNumApuestas = cuenta;
            }
            if ((!p.modoApuestas && !p.conCiclos) || cuenta == 1 ||
                (p.modoApuestas && !p.conApuestasExactas && cuenta <= p.apuestasObjetivo)) {
                ciclo += 1;
                salida.MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo)));
                return ciclo;
            }
        }
        ciclo += 1;
        salida.MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo)));
        BarajarOrden(orden, n, ciclo, p.conAleatorio, aleatorio);
        progreso(0);
        // A cycle shorter than the yield period would never see the stop
        // button: it yields once before the next cycle.
        if (!cedido) {
            ceder();
            if (ceder.Detenido()) return ciclo;
        }
    }
    return ciclo;
}

// Sequential greedy: the first bet not yet covered is kept and everything it
// covers is flagged, until the asked share of the bets is flagged.
double ReducirSecuencialPorcentaje(TablasReduccion& entradas, const ParametrosMetodo& p, FuenteAleatoria& aleatorio,
                                   const Cesion& ceder, ProgresoReduccion& progreso, SalidaMetodo& salida) {
    const int32_t n = entradas.NumApuestas();
    Arreglo<int32_t>& orden = entradas.gOrdenApuestas;
    VecindarioApuestas vecindario;
    vecindario.Construir(entradas, kPosiciones - p.radio);
    std::vector<uint8_t> marcada(static_cast<size_t>(n) + 1);
    std::vector<int32_t> guardadas;
    double ciclo = 0;
    int32_t mejorNumApuestas = n + 1;

    while (!ceder.Detenido()) {
        std::fill(marcada.begin(), marcada.end(), 0);
        guardadas.clear();
        int32_t cuenta = 0;
        int64_t cubiertas = 0;
        bool abandonado = false;
        for (int32_t i = 1; i <= n; ++i) {
            progreso(static_cast<int>(int64_t{100} * i / n));
            ceder();
            if (ceder.Detenido()) return ciclo;
            const int32_t j = orden[i];
            if (marcada[static_cast<size_t>(j)]) continue;
            ++cuenta;
            if (cuenta > mejorNumApuestas) {
                abandonado = true;
                break;
            }
            guardadas.push_back(j);
            // j itself is among the bets it covers.
            cubiertas += MarcarCubiertas(vecindario, j, marcada);
            if (100 * cubiertas / n >= p.porcentajeObjetivo) break;
        }
        if (!abandonado) {
            if (cuenta < mejorNumApuestas) {
                salida.Publicar(guardadas, ciclo + 1);
                mejorNumApuestas = cuenta;
            }
            if (!p.conCiclos || cuenta == 1) {
                ciclo += 1;
                salida.MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo)));
                return ciclo;
            }
        }
        ciclo += 1;
        salida.MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo)));
        progreso(0);
        ceder();
        if (ceder.Detenido()) return ciclo;
        BarajarOrden(orden, n, ciclo, p.conAleatorio, aleatorio);
    }
    return ciclo;
}
