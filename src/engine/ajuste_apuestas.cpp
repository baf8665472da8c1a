#include "ajuste_apuestas.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "aleatorio.h"
#include "modelo.h"
#include "reduccion_entradas.h"
#include "sesion.h"

namespace {

constexpr int32_t kPeriodoBarajado = 52000;
constexpr int32_t kPeriodoBusqueda = 15000;
constexpr int kPasadas = 3;
constexpr int32_t kTramo = 128;

int PorcentajeDe(int32_t i) { return static_cast<int>(int64_t{100} * i / kMaxCombinaciones); }

int32_t RangoDeFila(const uint8_t* fila) {
    return IndiceDeCombinacion(kPosiciones, kCasillas, std::span<const uint8_t>(fila, kPosiciones));
}

void CopiarFila(const TablaNumeros& origen, int32_t i, TablaNumeros& destino, int32_t r) {
    std::copy_n(origen.Fila(i), kPosiciones, destino.Fila(r));
}

// The shuffled order of all 5-of-50 sets, 8 MB read at random. On huge
// pages, where the system offers them, its random exchanges miss the
// address cache far less often.
class OrdenGrande {
public:
    explicit OrdenGrande(size_t cuantos) {
        constexpr size_t kPagina = size_t{2} << 20;
        const size_t bytes = (cuantos * sizeof(int32_t) + kPagina - 1) / kPagina * kPagina;
        datos_.reset(static_cast<int32_t*>(std::aligned_alloc(kPagina, bytes)));
        if (!datos_) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        madvise(datos_.get(), bytes, MADV_HUGEPAGE);
#endif
    }
    int32_t* Datos() { return datos_.get(); }

private:
    struct Liberar {
        void operator()(int32_t* p) const { std::free(p); }
    };
    std::unique_ptr<int32_t, Liberar> datos_;
};

}  // namespace

void AjustarApuestas(TablasSesion& tablas, int32_t objetivo, bool aleatorio, FuenteAleatoria& fuente,
                     const Cesion& ceder, ProgresoReduccion& progreso, ObservadorReduccion& observador) {
    TablaNumeros& resultado = tablas.gResultado;
    const int32_t u = resultado.Filas();
    if (objetivo < 1 || u == objetivo) return;

    if (u > objetivo) {
        std::vector<int32_t> orden(static_cast<size_t>(u) + 1);
        for (int32_t i = 0; i <= u; ++i) orden[static_cast<size_t>(i)] = i;
        if (aleatorio) {
            fuente.SembrarConReloj();
            for (int32_t i = 1; i <= u; ++i)
                std::swap(orden[static_cast<size_t>(i)], orden[static_cast<size_t>(PosicionAleatoria(fuente, u))]);
        }
        TablaNumeros recortado(objetivo);
        for (int32_t i = 1; i <= objetivo; ++i) CopiarFila(resultado, orden[static_cast<size_t>(i)], recortado, i);
        resultado = std::move(recortado);
        observador.MostrarReducidas(objetivo);
        return;
    }

    TablaNumeros completo(objetivo);
    for (int32_t r = 1; r <= u; ++r) CopiarFila(resultado, r, completo, r);

    // 1 = not to be added: not a conditioned number, or already in the result.
    std::vector<uint8_t> ocupada(static_cast<size_t>(kMaxCombinaciones) + 1, 1);
    const TablaCombinaciones& condicionados = tablas.gElementosApuesta;
    for (int32_t j = 1; j <= condicionados.Filas(); ++j) {
        std::array<uint8_t, kPosiciones> casillas{};
        for (int p = 0; p < kPosiciones; ++p) casillas[static_cast<size_t>(p)] = tablas.gValorElemento[condicionados(j, p + 1)];
        ocupada[static_cast<size_t>(RangoDeFila(casillas.data()))] = 0;
    }
    for (int32_t r = 1; r <= u; ++r) ocupada[static_cast<size_t>(RangoDeFila(resultado.Fila(r)))] = 1;

    if (aleatorio) {
        fuente.SembrarConReloj();
    } else {
        fuente.Reiniciar();
        fuente.Sembrar(1);
    }
    OrdenGrande orden(static_cast<size_t>(kMaxCombinaciones) + 1);
    int32_t* const o = orden.Datos();
    for (int32_t i = 0; i <= kMaxCombinaciones; ++i) o[i] = i;
    for (int pasada = 0; pasada < kPasadas; ++pasada) {
        // The exchanges go in runs: a run draws its partners first and asks
        // for them in memory, then exchanges in order, so the random reads
        // overlap. A run never spans a yield, so values are drawn in the same
        // order relative to the yields as one exchange at a time would.
        int32_t i = 1;
        while (i <= kMaxCombinaciones) {
            if (i % kPeriodoBarajado == 0) {
                progreso(PorcentajeDe(i));
                ceder();
            }
            const int32_t siguienteCesion = (i / kPeriodoBarajado + 1) * kPeriodoBarajado;
            const int32_t fin = std::min({kMaxCombinaciones, i + kTramo - 1, siguienteCesion - 1});
            std::array<int32_t, kTramo> pareja;
            for (int32_t k = i; k <= fin; ++k) {
                const int32_t r = PosicionAleatoria(fuente, kMaxCombinaciones);
                pareja[static_cast<size_t>(k - i)] = r;
                __builtin_prefetch(o + r, 1);
            }
            for (int32_t k = i; k <= fin; ++k) std::swap(o[k], o[pareja[static_cast<size_t>(k - i)]]);
            i = fin + 1;
        }
    }

    int32_t siguiente = u + 1;
    for (int32_t i = 1; i <= kMaxCombinaciones && siguiente <= objetivo; ++i) {
        if (i % kPeriodoBusqueda == 0) {
            progreso(PorcentajeDe(i));
            ceder();
        }
        if (ocupada[static_cast<size_t>(o[i])] != 0) continue;
        CombinacionDeIndice(o[i], kPosiciones, kCasillas, std::span<uint8_t>(completo.Fila(siguiente), kPosiciones));
        ++siguiente;
    }
    const int32_t filas = siguiente - 1;
    if (filas < objetivo) {
        TablaNumeros parcial(filas);
        for (int32_t r = 1; r <= filas; ++r) CopiarFila(completo, r, parcial, r);
        completo = std::move(parcial);
    }
    resultado = std::move(completo);
    observador.MostrarReducidas(filas);
}
