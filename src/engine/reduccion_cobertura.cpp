// The greedy covering reduction: pick, one by one, the bet whose ball holds
// the most uncovered bets, until the asked share is covered or the asked
// number of bets is reached; with cycles, repeat over shuffled orders and
// keep the smallest result.
#include <algorithm>
#include <string>
#include <vector>

#include "controlador_reduccion.h"
#include "sesion.h"

namespace {
constexpr int32_t kPeriodoPuntuaciones = 800;
}  // namespace

bool ControladorReduccion::CalcularPuntuacionesIniciales() {
    const int32_t n = entradas_.NumApuestas();
    Arreglo<int32_t>& puntuaciones = entradas_.gPuntuaciones;
    if (entradas_.TodasValidas()) {
        // Every 5-element set is a bet: every ball has the same size.
        const int16_t N = entradas_.NumElementos();
        const int16_t resto = static_cast<int16_t>(N - kPosiciones);
        int32_t s = 1;
        for (int16_t d = 1; d <= entradas_.Tipo(); ++d)
            s += COMBINAT(kPosiciones, static_cast<int16_t>(kPosiciones - d)) * COMBINAT(resto, d);
        for (int32_t j = 1; j <= n; ++j) puntuaciones[j] = s;
        return true;
    }
    observador_->MostrarCiclo(kCicloAnalizando);
    Ceder();
    for (int32_t j = 1; j <= n; ++j) {
        if (j % kPeriodoPuntuaciones == 0) {
            progreso_(static_cast<int>(int64_t{100} * j / n));
            Ceder();
            if (ceder_.Detenido()) {
                observador_->MostrarCiclo("0");
                return false;
            }
        }
        puntuaciones[j] = cobertura_.TamanoBola(j);
    }
    return true;
}

// The pick takes the first bet at or after the resume point whose score
// equals the level, the score of the last pick. The level starts at the
// highest score, scores never rise, and a scan passes a bet only when its
// score is below the level: no score is ever above the level and none before
// the resume point reaches it, so that bet is the first one, in processing
// order, of the highest score. When there is none, the level drops to the
// highest score left and the scan starts again from the front. The block
// bounds of CoberturaEnCurso let each scan skip most scores.
int32_t ControladorReduccion::ElegirMejorApuesta() {
    const int32_t n = entradas_.NumApuestas();
    int32_t k = cobertura_.PrimeroAlMenos(inicioBusqueda_, nivelActual_);
    if (k > n) {
        nivelActual_ = cobertura_.MaximoDesde(1);
        k = cobertura_.PrimeroAlMenos(1, nivelActual_);
    }
    inicioBusqueda_ = k + 1;
    cubiertas_ += nivelActual_;
    return k;
}

void ControladorReduccion::ReducirPorCobertura() {
    const int32_t n = entradas_.NumApuestas();
    cobertura_.Preparar(entradas_, radio_);
    if (!CalcularPuntuacionesIniciales()) return;

    progreso_(0);
    observador_->MostrarCiclo("0");
    mejorNumApuestas_ = n + 1;
    int32_t puntuacionMaxima = 0;
    for (int32_t j = 1; j <= n; ++j) puntuacionMaxima = std::max(puntuacionMaxima, entradas_.gPuntuaciones[j]);

    // The two-swap ring of a pick is walked over every 4 of the N positions,
    // with one yield each.
    const int64_t cesionesPorEleccion =
        radio_ >= 4 ? static_cast<int64_t>(NumCombinaciones(entradas_.NumElementos(), 4)) : 0;

    std::vector<int32_t> elegidas;
    for (;;) {
        cobertura_.EmpezarCiclo(entradas_.gOrdenApuestas, entradas_.gPuntuaciones);
        elegidas.clear();
        cubiertas_ = 0;
        int32_t numElegidas = 0;
        nivelActual_ = puntuacionMaxima;
        inicioBusqueda_ = 1;
        for (;;) {
            const int32_t posicion = ElegirMejorApuesta();
            ++numElegidas;
            if (numElegidas >= mejorNumApuestas_) break;
            cobertura_.Cubrir(posicion);
            for (int64_t q = 0; q < cesionesPorEleccion; ++q) Ceder();
            elegidas.push_back(entradas_.gOrdenApuestas[posicion]);

            const int pct = static_cast<int>(100 * cubiertas_ / n);
            progreso_(pct);
            Ceder();
            if (ceder_.Detenido()) return;
            if (!modoApuestas_ || conApuestasExactas_) {
                if (pct >= porcentajeObjetivo_) break;
            } else if (pct > 99 || (!conCiclos_ && numElegidas == apuestasObjetivo_)) {
                break;
            }
        }
        ciclo_ += 1;
        observador_->MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo_)));
        if (numElegidas < mejorNumApuestas_) {
            PublicarResultado(elegidas, numElegidas, ciclo_);
            if (numElegidas == 1) return;
            if (modoApuestas_ && !conApuestasExactas_ && numElegidas <= apuestasObjetivo_) return;
        }
        BarajarOrden(n);
        if (!conCiclos_) return;
    }
}
