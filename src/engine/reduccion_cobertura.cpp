// The greedy covering reduction: pick, one by one, the bet whose ball holds
// the most uncovered bets, until the asked share is covered or the asked
// number of bets is reached; with cycles, repeat over shuffled orders and
// keep the smallest result.
#include <algorithm>
#include <string>
#include <vector>

#include "metodos_reduccion.h"
#include "observador_reduccion.h"
#include "puntuaciones.h"

namespace {

constexpr int32_t kPeriodoPuntuaciones = 800;

bool CalcularPuntuacionesIniciales(TablasReduccion& entradas, const CoberturaEnCurso& cobertura,
                                   const Cesion& ceder, ProgresoReduccion& progreso, SalidaMetodo& salida) {
    const int32_t n = entradas.NumApuestas();
    Arreglo<int32_t>& puntuaciones = entradas.gPuntuaciones;
    if (entradas.TodasValidas()) {
        // Every 5-element set is a bet: every ball has the same size.
        const int16_t N = entradas.NumElementos();
        const int16_t resto = static_cast<int16_t>(N - kPosiciones);
        int32_t s = 1;
        for (int16_t d = 1; d <= entradas.Tipo(); ++d)
            s += COMBINAT(kPosiciones, static_cast<int16_t>(kPosiciones - d)) * COMBINAT(resto, d);
        for (int32_t j = 1; j <= n; ++j) puntuaciones[j] = s;
        return true;
    }
    salida.MostrarCiclo(kCicloAnalizando);
    ceder();
    for (int32_t j = 1; j <= n; ++j) {
        if (j % kPeriodoPuntuaciones == 0) {
            progreso(static_cast<int>(int64_t{100} * j / n));
            ceder();
            if (ceder.Detenido()) {
                salida.MostrarCiclo("0");
                return false;
            }
        }
        puntuaciones[j] = cobertura.TamanoBola(j);
    }
    return true;
}

// Where the pick of the next bet stands within a cycle.
struct Busqueda {
    int32_t nivel = 0;       // the score of the last pick
    int32_t inicio = 1;      // the resume point
    int64_t cubiertas = 0;   // bets covered so far
};

// The pick takes the first bet at or after the resume point whose score
// equals the level, the score of the last pick. The level starts at the
// highest score, scores never rise, and a scan passes a bet only when its
// score is below the level: no score is ever above the level and none before
// the resume point reaches it, so that bet is the first one, in processing
// order, of the highest score. When there is none, the level drops to the
// highest score left and the scan starts again from the front. The block
// bounds of CoberturaEnCurso let each scan skip most scores.
int32_t ElegirMejorApuesta(CoberturaEnCurso& cobertura, int32_t n, Busqueda& b) {
    int32_t k = cobertura.PrimeroAlMenos(b.inicio, b.nivel);
    if (k > n) {
        b.nivel = cobertura.MaximoDesde(1);
        k = cobertura.PrimeroAlMenos(1, b.nivel);
    }
    b.inicio = k + 1;
    b.cubiertas += b.nivel;
    return k;
}

}  // namespace

double ReducirPorCobertura(TablasReduccion& entradas, const ParametrosMetodo& p, FuenteAleatoria& aleatorio,
                           const Cesion& ceder, ProgresoReduccion& progreso, SalidaMetodo& salida) {
    const int32_t n = entradas.NumApuestas();
    double ciclo = 0;
    CoberturaEnCurso cobertura;
    cobertura.Preparar(entradas, p.radio);
    if (!CalcularPuntuacionesIniciales(entradas, cobertura, ceder, progreso, salida)) return ciclo;

    progreso(0);
    salida.MostrarCiclo("0");
    int32_t mejorNumApuestas = n + 1;
    int32_t puntuacionMaxima = 0;
    for (int32_t j = 1; j <= n; ++j) puntuacionMaxima = std::max(puntuacionMaxima, entradas.gPuntuaciones[j]);

    // The two-swap ring of a pick is walked over every 4 of the N positions,
    // with one yield each.
    const int64_t cesionesPorEleccion =
        p.radio >= 4 ? static_cast<int64_t>(NumCombinaciones(entradas.NumElementos(), 4)) : 0;

    std::vector<int32_t> elegidas;
    for (;;) {
        cobertura.EmpezarCiclo(entradas.gOrdenApuestas, entradas.gPuntuaciones);
        elegidas.clear();
        Busqueda busqueda;
        busqueda.nivel = puntuacionMaxima;
        int32_t numElegidas = 0;
        for (;;) {
            const int32_t posicion = ElegirMejorApuesta(cobertura, n, busqueda);
            ++numElegidas;
            if (numElegidas >= mejorNumApuestas) break;
            cobertura.Cubrir(posicion);
            for (int64_t q = 0; q < cesionesPorEleccion; ++q) ceder();
            elegidas.push_back(entradas.gOrdenApuestas[posicion]);

            const int pct = static_cast<int>(100 * busqueda.cubiertas / n);
            progreso(pct);
            ceder();
            if (ceder.Detenido()) return ciclo;
            if (!p.modoApuestas || p.conApuestasExactas) {
                if (pct >= p.porcentajeObjetivo) break;
            } else if (pct > 99 || (!p.conCiclos && numElegidas == p.apuestasObjetivo)) {
                break;
            }
        }
        ciclo += 1;
        salida.MostrarCiclo(std::to_string(static_cast<int64_t>(ciclo)));
        if (numElegidas < mejorNumApuestas) {
            salida.Publicar(elegidas, ciclo);
            mejorNumApuestas = numElegidas;
            if (numElegidas == 1) return ciclo;
            if (p.modoApuestas && !p.conApuestasExactas && numElegidas <= p.apuestasObjetivo) return ciclo;
        }
        BarajarOrden(entradas.gOrdenApuestas, n, ciclo, p.conAleatorio, aleatorio);
        if (!p.conCiclos) return ciclo;
    }
}
