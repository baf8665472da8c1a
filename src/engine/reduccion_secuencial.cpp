// The two sequential reductions, for the types the covering method does not
// take. A bet covers another when they share at least 5 - radius elements
// (equal digits at equal positions). Covered bets are flagged as soon as a bet
// is kept, so a candidate is checked with one read instead of a comparison
// with every kept bet.
#include <algorithm>
#include <string>
#include <vector>

#include "controlador_reduccion.h"
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
void ControladorReduccion::ReducirSecuencialExacto() {
    const int32_t n = entradas_.NumApuestas();
    const Arreglo<int32_t>& orden = entradas_.gOrdenApuestas;
    VecindarioApuestas vecindario;
    vecindario.Construir(entradas_, kPosiciones - radio_);
    std::vector<uint8_t> cubierta(static_cast<size_t>(n) + 1);
    std::vector<int32_t> guardadas;
    ciclo_ = 0;
    mejorNumApuestas_ = n + 1;
    const int32_t periodo = apuestasObjetivo_ < kPeriodoGrande ? 1 : kPeriodoGrande;

    while (!detener_) {
        std::fill(cubierta.begin(), cubierta.end(), 0);
        guardadas.assign(1, orden[1]);
        MarcarCubiertas(vecindario, orden[1], cubierta);
        int32_t cuenta = 1;
        bool abandonado = false;
        bool cedido = false;
        for (int32_t i = 2; i <= n; ++i) {
            progreso_(static_cast<int>(int64_t{100} * i / n));
            if (i % periodo == 0) {
                Ceder();
                cedido = true;
                if (ceder_.Detenido()) return;
            }
            const int32_t c = orden[i];
            if (cubierta[static_cast<size_t>(c)]) continue;
            if (modoApuestas_ && cuenta == apuestasObjetivo_) break;
            if (++cuenta > mejorNumApuestas_) {
                abandonado = true;
                break;
            }
            guardadas.push_back(c);
            MarcarCubiertas(vecindario, c, cubierta);
        }
        if (!abandonado) {
            if (cuenta < mejorNumApuestas_) PublicarResultado(guardadas, cuenta, ciclo_ + 1);
            if ((!modoApuestas_ && !conCiclos_) || cuenta == 1 ||
                (modoApuestas_ && !conApuestasExactas_ && cuenta <= apuestasObjetivo_)) {
                ciclo_ += 1;
                observador_->MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo_)));
                return;
            }
        }
        ciclo_ += 1;
        observador_->MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo_)));
        BarajarOrden(n);
        progreso_(0);
        // A cycle shorter than the yield period would never see the stop
        // button: it yields once before the next cycle.
        if (!cedido) {
            Ceder();
            if (ceder_.Detenido()) return;
        }
    }
}

// Sequential greedy: the first bet not yet covered is kept and everything it
// covers is flagged, until the asked share of the bets is flagged.
void ControladorReduccion::ReducirSecuencialPorcentaje() {
    const int32_t n = entradas_.NumApuestas();
    const Arreglo<int32_t>& orden = entradas_.gOrdenApuestas;
    VecindarioApuestas vecindario;
    vecindario.Construir(entradas_, kPosiciones - radio_);
    std::vector<uint8_t> marcada(static_cast<size_t>(n) + 1);
    std::vector<int32_t> guardadas;
    ciclo_ = 0;
    mejorNumApuestas_ = n + 1;

    while (!detener_) {
        std::fill(marcada.begin(), marcada.end(), 0);
        guardadas.clear();
        int32_t cuenta = 0;
        int64_t cubiertas = 0;
        bool abandonado = false;
        for (int32_t i = 1; i <= n; ++i) {
            progreso_(static_cast<int>(int64_t{100} * i / n));
            Ceder();
            if (ceder_.Detenido()) return;
            const int32_t j = orden[i];
            if (marcada[static_cast<size_t>(j)]) continue;
            ++cuenta;
            if (cuenta > mejorNumApuestas_) {
                abandonado = true;
                break;
            }
            guardadas.push_back(j);
            // j itself is among the bets it covers.
            cubiertas += MarcarCubiertas(vecindario, j, marcada);
            if (100 * cubiertas / n >= porcentajeObjetivo_) break;
        }
        if (!abandonado) {
            if (cuenta < mejorNumApuestas_) PublicarResultado(guardadas, cuenta, ciclo_ + 1);
            if (!conCiclos_ || cuenta == 1) {
                ciclo_ += 1;
                observador_->MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo_)));
                return;
            }
        }
        ciclo_ += 1;
        observador_->MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo_)));
        progreso_(0);
        Ceder();
        if (ceder_.Detenido()) return;
        BarajarOrden(n);
    }
}
