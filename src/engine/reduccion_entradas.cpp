#include "reduccion_entradas.h"

#include <algorithm>
#include <cmath>

#include "sesion.h"

const char* const kTextosTipoReduccion[kNumTiposReduccion] = {"5 (n)", "4 (n-1)", "3 (n-2)", "2 (n-3)"};

double Fact(double x) {
    if (x < 0.0 || x != std::floor(x)) return 0.0;
    double resultado = 1.0;
    for (double f = 2.0; f <= x; f += 1.0) resultado *= f;
    return std::isfinite(resultado) ? resultado : 0.0;
}

int32_t COMBINAT(int16_t n, int16_t k) {
    if (n - k < 0 || k < 0) return 0;
    const double divisor = Fact(k) * Fact(n - k);
    if (divisor == 0.0) return 0;
    return static_cast<int32_t>(std::nearbyint(Fact(n) / divisor));
}

namespace {

bool MenorLexicografico(const uint8_t* a, const uint8_t* b) {
    return std::lexicographical_compare(a, a + kPosiciones, b, b + kPosiciones);
}

}  // namespace

void TablasReduccion::Borrar() {
    n_ = 0;
    N_ = 0;
    tipo_ = -1;
    todasValidas_ = false;
    mascaras_.clear();
    elementos_.clear();
    gPuntuaciones.Borrar();
    gOrdenApuestas.Borrar();
}

bool TablasReduccion::Construir(const TablasSesion& tablas, int tipo) {
    Borrar();
    const int16_t N = tablas.gNumElementos;
    const int32_t n = tablas.gElementosApuesta.Filas();
    if (N < kPosiciones || N > kCasillas) return false;

    // Element sets first: everything else rests on them being sound.
    mascaras_.assign(static_cast<size_t>(n) + 1, 0);
    elementos_.assign((static_cast<size_t>(n) + 1) * kPosiciones, 0);
    bool ordenadas = true;
    for (int32_t j = 1; j <= n; ++j) {
        const uint8_t* fila = tablas.gElementosApuesta.Fila(j);
        uint64_t mascara = 0;
        for (int p = 0; p < kPosiciones; ++p) {
            if (fila[p] < 1 || fila[p] > N || (p > 0 && fila[p] <= fila[p - 1])) {
                Borrar();
                return false;
            }
            mascara |= uint64_t{1} << (fila[p] - 1);
            elementos_[static_cast<size_t>(j) * kPosiciones + p] = fila[p];
        }
        mascaras_[static_cast<size_t>(j)] = mascara;
        if (j > 1 && !MenorLexicografico(Elementos(j - 1), fila)) ordenadas = false;
    }
    if (!ordenadas) {
        std::vector<uint64_t> copia(mascaras_.begin() + 1, mascaras_.end());
        std::sort(copia.begin(), copia.end());
        if (std::adjacent_find(copia.begin(), copia.end()) != copia.end()) {
            Borrar();
            return false;
        }
    }

    n_ = n;
    N_ = N;
    tipo_ = tipo;
    todasValidas_ = tablas.gTodasValidas && static_cast<double>(n) == NumCombinaciones(N, kPosiciones);

    gPuntuaciones.Redimensionar(-1, n);
    gOrdenApuestas.Redimensionar(0, n);
    for (int32_t k = 1; k <= n; ++k) gOrdenApuestas[k] = k;
    return true;
}
