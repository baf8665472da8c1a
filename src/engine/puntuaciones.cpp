#include "puntuaciones.h"

#include <algorithm>
#include <climits>

#include "modelo.h"
#include "reduccion_entradas.h"

namespace {
constexpr int32_t kBloque = 64;

size_t BloqueDe(int32_t pos) { return static_cast<size_t>((pos - 1) / kBloque); }
}  // namespace

void CoberturaEnCurso::Preparar(const TablasReduccion& tablas, int radio) {
    tablas_ = &tablas;
    radio_ = radio;
    comunes_ = kPosiciones - radio / 2;
    n_ = tablas.NumApuestas();
    if (radio_ > 0) vecindario_.Construir(tablas, comunes_);
}

int32_t CoberturaEnCurso::TamanoBola(int32_t j) const {
    if (radio_ == 0) return 1;
    const int C = vecindario_.GruposPorApuesta();
    const int32_t* grupos = vecindario_.Grupos(j);
    if (comunes_ == kPosiciones - 1) {
        // A bet sharing four elements meets j in exactly one group; j itself in all five.
        int32_t total = 0;
        for (int t = 0; t < C; ++t) total += vecindario_.TamanoGrupo(grupos[t]);
        return total - (C - 1);
    }
    // Count each neighbour in the group of the lowest elements it shares with j.
    const uint64_t propia = tablas_->Mascara(j);
    int32_t total = 0;
    for (int t = 0; t < C; ++t) {
        const uint64_t sub = SubMascara(propia, vecindario_.Patron(t));
        for (int32_t c : vecindario_.Miembros(grupos[t]))
            total += BitsMasBajos(propia & tablas_->Mascara(c), comunes_) == sub;
    }
    return total;
}

void CoberturaEnCurso::EmpezarCiclo(const Arreglo<int32_t>& orden, const Arreglo<int32_t>& puntuaciones) {
    const size_t n = static_cast<size_t>(n_);
    posicionDe_.assign(n + 1, 0);
    puntos_.assign(n + 2, 0);
    cubierta_.assign(n + 1, 0);
    mascaras_.assign(n + 1, 0);
    for (int32_t k = 1; k <= n_; ++k) {
        const int32_t j = orden[k];
        posicionDe_[static_cast<size_t>(j)] = k;
        puntos_[static_cast<size_t>(k)] = puntuaciones[j];
        mascaras_[static_cast<size_t>(k)] = tablas_->Mascara(j);
    }
    if (radio_ > 0) {
        const int C = vecindario_.GruposPorApuesta();
        grupos_.assign((n + 1) * static_cast<size_t>(C), 0);
        for (int32_t k = 1; k <= n_; ++k)
            std::copy_n(vecindario_.Grupos(orden[k]), C, &grupos_[static_cast<size_t>(k) * C]);
        const auto& planos = vecindario_.MiembrosPlanos();
        miembros_.resize(planos.size());
        for (size_t x = 0; x < planos.size(); ++x) miembros_[x] = posicionDe_[static_cast<size_t>(planos[x])];
    }
    const size_t bloques = (n + kBloque - 1) / kBloque;
    techo_.assign(bloques, 0);
    for (size_t b = 0; b < bloques; ++b) techo_[b] = MaximoBloque(b);
}

int32_t CoberturaEnCurso::MaximoBloque(size_t b) const {
    const int32_t desde = static_cast<int32_t>(b) * kBloque + 1;
    const int32_t hasta = std::min(n_, desde + kBloque - 1);
    int32_t maximo = INT32_MIN;
    for (int32_t k = desde; k <= hasta; ++k) maximo = std::max(maximo, puntos_[static_cast<size_t>(k)]);
    return maximo;
}

int32_t CoberturaEnCurso::PrimeroAlMenos(int32_t desde, int32_t x) {
    if (desde < 1) desde = 1;
    if (desde > n_) return n_ + 1;
    size_t b = BloqueDe(desde);
    const int32_t finPrimero = std::min(n_, static_cast<int32_t>(b + 1) * kBloque);
    for (int32_t k = desde; k <= finPrimero; ++k)
        if (puntos_[static_cast<size_t>(k)] >= x) return k;
    for (++b; b < techo_.size(); ++b) {
        if (techo_[b] < x) continue;
        const int32_t inicio = static_cast<int32_t>(b) * kBloque + 1;
        const int32_t fin = std::min(n_, inicio + kBloque - 1);
        int32_t maximo = INT32_MIN;
        for (int32_t k = inicio; k <= fin; ++k) {
            const int32_t s = puntos_[static_cast<size_t>(k)];
            if (s >= x) return k;
            maximo = std::max(maximo, s);
        }
        techo_[b] = maximo;  // the whole block was read: its bound is now exact
    }
    return n_ + 1;
}

int32_t CoberturaEnCurso::MaximoDesde(int32_t desde) {
    if (desde < 1) desde = 1;
    if (desde > n_) return INT32_MIN;
    size_t b = BloqueDe(desde);
    const int32_t finPrimero = std::min(n_, static_cast<int32_t>(b + 1) * kBloque);
    int32_t maximo = INT32_MIN;
    for (int32_t k = desde; k <= finPrimero; ++k) maximo = std::max(maximo, puntos_[static_cast<size_t>(k)]);
    for (++b; b < techo_.size(); ++b) {
        if (techo_[b] <= maximo) continue;
        techo_[b] = MaximoBloque(b);
        maximo = std::max(maximo, techo_[b]);
    }
    return maximo;
}

template <class F>
void CoberturaEnCurso::ParaCadaVecinoPosicion(int32_t pos, F&& f) const {
    const int C = vecindario_.GruposPorApuesta();
    const int32_t* grupos = &grupos_[static_cast<size_t>(pos) * C];
    const auto& inicio = vecindario_.Inicio();
    if (comunes_ == kPosiciones - 1) {
        // Another bet sharing four elements is in exactly one of the groups;
        // the bet itself is in all of them.
        f(pos);
        for (int t = 0; t < C; ++t) {
            const int32_t g = grupos[t];
            const int32_t* p = miembros_.data() + inicio[static_cast<size_t>(g)];
            const int32_t* fin = miembros_.data() + inicio[static_cast<size_t>(g) + 1];
            for (; p != fin; ++p)
                if (*p != pos) f(*p);
        }
        return;
    }
    // Otherwise a bet is taken from the group of the lowest elements it shares.
    const uint64_t propia = mascaras_[static_cast<size_t>(pos)];
    for (int t = 0; t < C; ++t) {
        const uint64_t sub = SubMascara(propia, vecindario_.Patron(t));
        const int32_t g = grupos[t];
        const int32_t* p = miembros_.data() + inicio[static_cast<size_t>(g)];
        const int32_t* fin = miembros_.data() + inicio[static_cast<size_t>(g) + 1];
        for (; p != fin; ++p)
            if (BitsMasBajos(propia & mascaras_[static_cast<size_t>(*p)], comunes_) == sub) f(*p);
    }
}

void CoberturaEnCurso::Cubrir(int32_t pos) {
    if (radio_ == 0) {
        --puntos_[static_cast<size_t>(pos)];
        cubierta_[static_cast<size_t>(pos)] = 1;
        return;
    }
    ParaCadaVecinoPosicion(pos, [this](int32_t c) {
        if (cubierta_[static_cast<size_t>(c)]) return;
        cubierta_[static_cast<size_t>(c)] = 1;
        DescontarBola(c);
    });
}

void CoberturaEnCurso::DescontarBola(int32_t pos) {
    if (comunes_ != kPosiciones - 1) {
        ParaCadaVecinoPosicion(pos, [this](int32_t d) { --puntos_[static_cast<size_t>(d)]; });
        return;
    }
    // Every member of the five groups loses one; the bet itself, met in each
    // group, gets back all but one.
    const int C = vecindario_.GruposPorApuesta();
    const int32_t* grupos = &grupos_[static_cast<size_t>(pos) * C];
    const auto& inicio = vecindario_.Inicio();
    int32_t* const puntos = puntos_.data();
    for (int t = 0; t < C; ++t) {
        const int32_t g = grupos[t];
        const int32_t* p = miembros_.data() + inicio[static_cast<size_t>(g)];
        const int32_t* fin = miembros_.data() + inicio[static_cast<size_t>(g) + 1];
        for (; p != fin; ++p) --puntos[*p];
    }
    puntos[pos] += C - 1;
}
