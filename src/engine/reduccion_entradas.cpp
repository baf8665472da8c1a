#include "reduccion_entradas.h"

#include <algorithm>
#include <cmath>

#include "sesion.h"

const char* const kTextosTipoReduccion[kNumTiposReduccion] = {"5 (n)", "4 (n-1)", "3 (n-2)", "2 (n-3)"};

double CodigoApuesta(const uint8_t* bits, int N) {
    double codigo = 0.0;
    for (int e = 0; e < N; ++e) codigo = codigo * 2.0 + bits[e];
    return codigo + 1.0;
}

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
    gBitsApuestas.Borrar();
    gNumApuestas = 0;
    gMarcasCodigos.Borrar();
    gCodigosApuestas.Borrar();
    gCodigoMinimo = 32.0;
    gCodigoMaximo = 0.0;
    gOrdenApuestas.Borrar();
    gVectorActual.Borrar();
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
    gVectorActual.Redimensionar(1, N);

    const bool conBits = tipo == kTipoReduccion5 || tipo == kTipoReduccion4 ||
                         (N <= kMaxElementosTablaDirecta && tipo == kTipoReduccion3);
    if (conBits) {
        gBitsApuestas.Redimensionar(1, n, 1, N);
        gNumApuestas = n;
        for (int32_t j = 1; j <= n; ++j)
            for (int p = 0; p < kPosiciones; ++p) gBitsApuestas(j, Elementos(j)[p]) = 1;
        // The code of a bet: 1 + the sum of 2^(N - e) over its five elements.
        auto codigo = [&](int32_t j) {
            int64_t c = 1;
            for (int p = 0; p < kPosiciones; ++p) c += int64_t{1} << (N - Elementos(j)[p]);
            return c;
        };
        if (N <= kMaxElementosTablaDirecta) {
            gMarcasCodigos.Redimensionar(0, int32_t{1} << N);
            for (int32_t j = 1; j <= n; ++j) gMarcasCodigos[static_cast<int32_t>(codigo(j))] = 1;
        } else {
            gCodigosApuestas.Redimensionar(0, n);
            for (int32_t j = 1; j <= n; ++j) gCodigosApuestas[n - j + 1] = static_cast<double>(codigo(j));
            // Rows in lexicographic order give strictly ascending codes;
            // any other producer's rows are sorted here.
            if (!ordenadas) std::sort(gCodigosApuestas.Datos() + 1, gCodigosApuestas.Datos() + n + 1);
            gCodigoMinimo = 32.0;
            gCodigoMaximo = n >= 1 ? gCodigosApuestas[n] : 0.0;
        }
    }

    gOrdenApuestas.Redimensionar(0, n);
    for (int32_t k = 1; k <= n; ++k) gOrdenApuestas[k] = k;
    return true;
}

int32_t TablasReduccion::BusquedaBinaria(double codigo) const {
    if (N_ <= kMaxElementosTablaDirecta) {
        if (gMarcasCodigos.Vacio() || !(codigo >= 0.0) || codigo > static_cast<double>(gMarcasCodigos.Superior()))
            return -1;
        const auto indice = static_cast<int32_t>(codigo);
        return gMarcasCodigos[indice] == 1 ? indice : -1;
    }
    if (gNumApuestas < 1 || codigo < gCodigoMinimo || codigo > gCodigoMaximo) return -1;
    const double* inicio = gCodigosApuestas.Datos() + 1;
    const double* fin = inicio + gNumApuestas;
    const double* p = std::lower_bound(inicio, fin, codigo);
    if (p == fin || *p != codigo) return -1;
    return static_cast<int32_t>(p - inicio) + 1;
}

bool TablasReduccion::EsApuestaValida() const {
    int unos = 0;
    for (int32_t e = 1; e <= N_; ++e) unos += gVectorActual[e] != 0;
    if (unos != kPosiciones) return false;
    if (todasValidas_) return true;
    return BusquedaBinaria(CodigoApuesta(gVectorActual.Datos(), N_)) != -1;
}
